#include "ToolCommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

int main(int argc, char** argv)
{
    // Never a window: pages are drawn offscreen unless the caller chose a
    // platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QCoreApplication> app =
        ToolCommandLine::drawsPages(argc, argv) ? std::make_unique<QGuiApplication>(argc, argv)
                                                : std::make_unique<QCoreApplication>(argc, argv);
    return ToolCommandLine::run(QCoreApplication::arguments());
}
