#include "QtUserPrompts.h"
#include "QvedApplication.h"
#include "TdmQVED3.h"
#include "TfrmMain.h"

#include <QIcon>

int main(int argc, char** argv)
{
    QvedApplication application(argc, argv);
    QvedApplication::setApplicationName(QStringLiteral("QVED3"));
    QvedApplication::setOrganizationName(QStringLiteral("Marrowfield Software"));
    QvedApplication::setApplicationDisplayName(QStringLiteral("Quorvale Question Editor 3"));
    QvedApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));

    // The data module holds the report table for the whole run.
    TdmQVED3 dmQVED3;
    QtUserPrompts prompts;
    QStringList arguments = QvedApplication::arguments();
    arguments.removeFirst();
    TfrmMain window(prompts, arguments, TfrmMain::defaultEnvironment(dmQVED3));
    window.show();
    return application.exec();
}
