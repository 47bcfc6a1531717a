// The entry point of the module that holds the commands drawing pages: it
// starts the drawing application and runs the command.
#include "ToolReport.h"

#include <QGuiApplication>

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

extern "C" Q_DECL_EXPORT int qvedtoolDrawPages(int argc, char** argv)
{
    qtMessageHandler = qInstallMessageHandler(withoutRuntimeFolderWarnings);
    const QGuiApplication app(argc, argv);
    qInstallMessageHandler(qtMessageHandler);
    return ToolReport::run(QCoreApplication::arguments());
}
