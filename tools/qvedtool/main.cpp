#include "ToolCommandLine.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <memory>

namespace {

QtMessageHandler qtMessageHandler = nullptr;

// Starting the drawing side asks for the user's runtime folder, which a
// script or a scheduled job often lacks; Qt's warnings about that folder say
// nothing about the report, so they are left out while the application starts.
void withoutRuntimeFolderWarnings(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")))
        return;
    qtMessageHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv)
{
    // Never a window: pages are drawn offscreen unless the caller chose a
    // platform.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app;
    if (ToolCommandLine::drawsPages(argc, argv)) {
        qtMessageHandler = qInstallMessageHandler(withoutRuntimeFolderWarnings);
        app = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(qtMessageHandler);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    return ToolCommandLine::run(QCoreApplication::arguments());
}
