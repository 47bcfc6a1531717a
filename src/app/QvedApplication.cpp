#include "QvedApplication.h"

#include "QvedError.h"

#include <QMessageBox>

QvedApplication::QvedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QvedApplication::notify(QObject* receiver, QEvent* event)
{
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (const QvedError& error) {
        message = error.message();
    } catch (const std::exception& error) {
        message = QString::fromLocal8Bit(error.what());
    }
    QMessageBox::critical(activeWindow(), applicationDisplayName(), message);
    return false;
}
