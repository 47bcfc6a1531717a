// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Watches every event of the application for the main window: with bubble
// hints off no tool tip shows anywhere, and Escape released in the window
// (pressed there too, not in a dialog it just closed) runs the window's
// Escape command, except in controls that handle their own.
class EscapeAndHintFilter : public QObject
{
    Q_OBJECT

public:
    EscapeAndHintFilter(QWidget& window, const bool& hintsShown, std::function<void()> escape);
    ~EscapeAndHintFilter() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    const bool& m_hintsShown;
    std::function<void()> m_escape;
    bool m_escapePressed = false;
};
