#include "ToolCommands.h"

#include "ToolCheck.h"
#include "ToolCommandLine.h"
#include "ToolExport.h"
#include "ToolReport.h"
#include "ToolStats.h"
#include "Utf8Output.h"

int ToolCommands::run(const QStringList& arguments)
{
    const QString command = arguments.value(1);
    if (command.isEmpty())
        return ToolCommandLine::usageError({}, QStringLiteral("No command given."));
    if (command == u"-h" || command == u"--help" || command == u"-?" || command == u"help") {
        Utf8Output out;
        out.text(ToolCommandLine::helpText());
        return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
    }
    if (command == u"check")
        return ToolCheck::run(arguments);
    if (command == u"export")
        return ToolExport::run(arguments);
    if (command == u"report")
        return ToolReport::run(arguments);
    if (command == u"stats")
        return ToolStats::run(arguments);
    if (command.startsWith(u'-'))
        return ToolCommandLine::usageError({}, QStringLiteral("Unknown option '%1'.").arg(command));
    return ToolCommandLine::usageError({}, QStringLiteral("Unknown command '%1'.").arg(command));
}
