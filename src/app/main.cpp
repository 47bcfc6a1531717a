// SPDX-License-Identifier: GPL-2.0-or-later
#include "EditorSettings.h"
#include "ProgramNames.h"
#include "QtUserPrompts.h"
#include "QvedApplication.h"
#include "TdmQVED3.h"
#include "TfrmMain.h"
#include "Translations.h"

#include <QHashSeed>
#include <QIcon>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    // --help and --version are answered before any window system is needed.
    if (const int status = QvedApplication::answerCommandLine(argc, argv); status >= 0)
        return status;

    // Hash order decides how fonts are embedded in a PDF: a fixed seed lets
    // a test built twice from the same choices give the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    QvedApplication application(argc, argv);
    // The application title captions the message boxes. It is set as the
    // application name: a display name would be appended by the platform to
    // every window's caption. The settings name their own key.
    QvedApplication::setApplicationName(ProgramNames::Application);
    QvedApplication::setOrganizationName(ProgramNames::Organization);
    QvedApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.svg")));
    // Before any window: every text is made in the language of the start.
    Translations::install(EditorSettings::ReadLanguage());

    // The data module holds the report table for the whole run.
    TdmQVED3 dmQVED3;
    QtUserPrompts prompts;
    QStringList arguments = QvedApplication::arguments();
    arguments.removeFirst();
    TfrmMain window(prompts, arguments, TfrmMain::defaultEnvironment(dmQVED3));
    window.show();
    // For the start-up benchmark only: says "shown" once the window is up
    // and its first events are handled, then ends the program.
    if (qEnvironmentVariableIsSet("QVED_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &application, [] {
            std::fputs("shown\n", stdout);
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return application.exec();
}
