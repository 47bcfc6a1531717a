#include "ToolCommandLine.h"
#include "ToolCommands.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    // Never a window: pages are drawn offscreen unless the caller chose a
    // platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (ToolCommandLine::drawsPages(argc, argv))
        return ToolCommands::drawPages(argc, argv);
    const QCoreApplication app(argc, argv);
    return ToolCommands::run(QCoreApplication::arguments());
}
