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
};
