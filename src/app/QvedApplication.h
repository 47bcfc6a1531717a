// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QApplication>

// The application object: its notify() is the last line of the
// application-wide error handler, for errors that escape an event handler
// outside the main window's own commands.
class QvedApplication : public QApplication
{
public:
    QvedApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Prints the command-line use or the version when asked to, without
    // opening a display: returns the exit status, or -1 to start the editor.
    static int answerCommandLine(int argc, char** argv);
};
