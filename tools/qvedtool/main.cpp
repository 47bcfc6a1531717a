// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgramNames.h"
#include "QvedVersion.h"
#include "ToolBuildTest.h"
#include "ToolCheck.h"
#include "ToolCommandLine.h"
#include "ToolDiff.h"
#include "ToolDups.h"
#include "ToolExport.h"
#include "ToolGitSetup.h"
#include "ToolImport.h"
#include "ToolMerge.h"
#include "ToolRecover.h"
#include "ToolRefcheck.h"
#include "ToolReport.h"
#include "ToolSpell.h"
#include "ToolStats.h"
#include "ToolVerse.h"
#include "Translations.h"
#include "Utf8Output.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QHashSeed>
#include <new>

namespace {

// Qt's own warnings (a missing runtime folder, a painter that could not
// start) say nothing a user of the tool can act on, and every failure the
// tool meets is told in its own words: only a fatal message is shown.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        Utf8Output::error(QCoreApplication::translate("main", "qvedtool: ") + message);
}

// arguments: the program, then the command and its arguments.
int runCommand(const QStringList& arguments)
{
    // The editor's names: they name the user's data folder, where both find
    // the validation table.
    QCoreApplication::setOrganizationName(ProgramNames::Organization);
    QCoreApplication::setApplicationName(ProgramNames::Application);
    // The help and the messages in the system's language; what goes to
    // standard output for other programs to read keeps its English words.
    Translations::install();

    const QString command = arguments.value(1);
    if (command.isEmpty())
        return ToolCommandLine::usageError(
            {}, QCoreApplication::translate("main", "No command given."));
    if (command == u"-h" || command == u"--help" || command == u"-?" || command == u"help") {
        Utf8Output out;
        out.text(ToolCommandLine::helpText());
        return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
    }
    if (command == u"-v" || command == u"--version") {
        Utf8Output out;
        out.text(QStringLiteral("qvedtool " QVED_VERSION "\n"));
        return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
    }
    if (command == u"build-test")
        return ToolBuildTest::run(arguments);
    if (command == u"check")
        return ToolCheck::run(arguments);
    if (command == u"diff")
        return ToolDiff::run(arguments);
    if (command == u"dups")
        return ToolDups::run(arguments);
    if (command == u"export")
        return ToolExport::run(arguments);
    if (command == u"git-setup")
        return ToolGitSetup::run(arguments);
    if (command == u"import")
        return ToolImport::run(arguments);
    if (command == u"merge")
        return ToolMerge::run(arguments);
    if (command == u"recover")
        return ToolRecover::run(arguments);
    if (command == u"refcheck")
        return ToolRefcheck::run(arguments);
    if (command == u"report")
        return ToolReport::run(arguments);
    if (command == u"spell")
        return ToolSpell::run(arguments);
    if (command == u"stats")
        return ToolStats::run(arguments);
    if (command == u"verse")
        return ToolVerse::run(arguments);
    if (command.startsWith(u'-'))
        return ToolCommandLine::usageError(
            {}, QCoreApplication::translate("main", "Unknown option '%1'.").arg(command));
    return ToolCommandLine::usageError(
        {}, QCoreApplication::translate("main", "Unknown command '%1'.").arg(command));
}

} // namespace

int main(int argc, char** argv)
try {
    qInstallMessageHandler(quietQtMessages);
    // Hash order decides how fonts are embedded in a PDF: a fixed seed lets
    // the same pages give the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
    // Only the report and the test builder draw pages and need fonts; the
    // other commands start quicker without them. Never a window: pages are drawn offscreen unless
    // the caller chose a platform.
    if (argc > 1 && (qstrcmp(argv[1], "report") == 0 || qstrcmp(argv[1], "build-test") == 0)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication app(argc, argv);
        return runCommand(QCoreApplication::arguments());
    }
    const QCoreApplication app(argc, argv);
    return runCommand(QCoreApplication::arguments());
} catch (const std::bad_alloc&) {
    Utf8Output::error(QCoreApplication::translate("main", "qvedtool: out of memory."));
    return ToolCommandLine::Failure;
}
