#include "ToolCommands.h"

#include "ToolCheck.h"
#include "ToolCommandLine.h"
#include "ToolExport.h"
#include "ToolStats.h"
#include "Utf8Output.h"

#include <QCoreApplication>
#include <QLibrary>

int ToolCommands::run(const QStringList& arguments)
{
    const QString command = arguments.value(1);
    if (command.isEmpty())
        return ToolCommandLine::usageError({}, QStringLiteral("No command given."));
    if (command == u"-h" || command == u"--help" || command == u"-?" || command == u"help") {
        Utf8Output out(1);
        out.text(ToolCommandLine::helpText());
        return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
    }
    if (command == u"check")
        return ToolCheck::run(arguments);
    if (command == u"export")
        return ToolExport::run(arguments);
    if (command == u"stats")
        return ToolStats::run(arguments);
    if (command.startsWith(u'-'))
        return ToolCommandLine::usageError({}, QStringLiteral("Unknown option '%1'.").arg(command));
    return ToolCommandLine::usageError({}, QStringLiteral("Unknown command '%1'.").arg(command));
}

int ToolCommands::drawPages(int argc, char** argv)
{
    // The module sits beside the program; finding the program's folder takes
    // an application, which the module replaces with one that draws.
    QString modulePath;
    {
        const QCoreApplication locator(argc, argv);
        modulePath = QCoreApplication::applicationDirPath() + QStringLiteral("/qvedtool_pages");
    }
    QLibrary module(modulePath);
    using Entry = int (*)(int, char**);
    const auto entry = reinterpret_cast<Entry>(module.resolve(PagesEntry));
    if (!entry) {
        Utf8Output::error(QStringLiteral("qvedtool report: cannot load the report module: ") +
                          module.errorString());
        return ToolCommandLine::Failure;
    }
    return entry(argc, argv);
}
