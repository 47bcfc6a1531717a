#include "ToolCommandLine.h"
#include "ToolCommands.h"

#include "Utf8Output.h"

#include <QCoreApplication>
#include <new>

int main(int argc, char** argv)
try {
    // Never a window: pages are drawn offscreen unless the caller chose a
    // platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (ToolCommandLine::drawsPages(argc, argv))
        return ToolCommands::drawPages(argc, argv);
    const QCoreApplication app(argc, argv);
    return ToolCommands::run(QCoreApplication::arguments());
} catch (const std::bad_alloc&) {
    Utf8Output::error(QStringLiteral("qvedtool: out of memory."));
    return ToolCommandLine::Failure;
}
