#include "ToolCommands.h"

#include "ToolCheck.h"
#include "ToolCommandLine.h"
#include "ToolExport.h"
#include "ToolStats.h"
#include "Utf8Output.h"

#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#if defined(Q_OS_MACOS)
#include <mach-o/dyld.h>
#endif

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

QString ToolCommands::programFolder()
{
#if defined(Q_OS_WIN)
    // Windows looks in the program's folder first.
    return {};
#elif defined(Q_OS_MACOS)
    uint32_t size = 0;
    _NSGetExecutablePath(nullptr, &size);
    QByteArray path(qsizetype(size), '\0');
    if (_NSGetExecutablePath(path.data(), &size) != 0)
        return {};
    return QFileInfo(QFile::decodeName(path.constData())).canonicalPath() + u'/';
#else
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath() + u'/';
#endif
}

int ToolCommands::drawPages(int argc, char** argv)
{
    // The module sits beside the program. It is found before any
    // application exists, so that the module's is the only one.
    QLibrary module(programFolder() + QStringLiteral("qvedtool_pages"));
    using Entry = int (*)(int, char**);
    const auto entry = reinterpret_cast<Entry>(module.resolve(PagesEntry));
    if (!entry) {
        Utf8Output::error(QStringLiteral("qvedtool report: cannot load the report module: ") +
                          module.errorString());
        return ToolCommandLine::Failure;
    }
    return entry(argc, argv);
}
