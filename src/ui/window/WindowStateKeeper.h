// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class QMainWindow;
class QSplitter;

// The window's size, place and splitter, as the author left them, come
// back at the next start.
class WindowStateKeeper : public QObject
{
    Q_OBJECT

public:
    WindowStateKeeper(QMainWindow& window, QSplitter& splitter);

protected:
    // Stored when the window closes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void restore();
    void store() const;

    QMainWindow& m_window;
    QSplitter& m_splitter;
};
