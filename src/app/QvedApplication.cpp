// SPDX-License-Identifier: GPL-2.0-or-later
#include "QvedApplication.h"

#include "EditorSettings.h"
#include "QvedError.h"
#include "QvedVersion.h"
#include "Translations.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QMessageBox>
#include <cstring>

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

int QvedApplication::answerCommandLine(int argc, char** argv)
{
    bool asked = false;
    for (int i = 1; i < argc && !asked; ++i) {
        for (const char* option : {"-h", "--help", "-?", "-v", "--version"})
            asked = asked || std::strcmp(argv[i], option) == 0;
    }
    if (!asked)
        return -1;

    const QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qved3"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QVED_VERSION));
    Translations::install(EditorSettings::ReadLanguage());
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "QvedApplication",
        "Edits the question files (.qus) of the baseball Bible quiz: a grid of the\n"
        "questions, checks before every change is stored, search and reports.\n"
        "Opening a file leaves a backup copy (.qbk) beside it."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("FILE"),
        QCoreApplication::translate("QvedApplication", "The question file to open (optional)."),
        QStringLiteral("[FILE]"));
    parser.process(core); // prints the help or the version and ends the program
    return 0;
}
