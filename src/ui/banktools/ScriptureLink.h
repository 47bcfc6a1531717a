#pragma once

#include <QObject>

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
    void follow();

    DetailPanel& m_panel;
    ScriptureDock* m_dock;
};
