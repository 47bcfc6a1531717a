// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

class DetailPanel;
class QMainWindow;
class QMenu;
class ScriptureDock;

// Puts the Scripture dock beside the window and keeps it showing the
// panel's question: its book, reference and correct answer. Whether the
// dock is shown and which Bible it reads are kept in the settings.
class ScriptureLink : public QObject
{
    Q_OBJECT

public:
    ScriptureLink(QMainWindow& window, DetailPanel& panel, QMenu& tools);

    ScriptureDock* dock() const { return m_dock; }

private:
    // Asks for the dock to follow the panel once the current event is done.
    void follow();
    void showPanelQuestion();

    DetailPanel& m_panel;
    ScriptureDock* m_dock;
    // Showing a question sets every box of the panel: the verses are looked
    // up once for all of them, not once for each.
    QTimer m_follow;
};
