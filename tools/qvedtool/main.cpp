#include "ToolCommandLine.h"
#include "ToolCommands.h"

#include "Utf8Output.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <new>

namespace {

// Qt's own warnings (a missing runtime folder, a painter that could not
// start) say nothing a user of the tool can act on, and every failure the
// tool meets is told in its own words: only a fatal message is shown.
void quietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        Utf8Output::error(QStringLiteral("qvedtool: ") + message);
}

} // namespace

int main(int argc, char** argv)
try {
    qInstallMessageHandler(quietQtMessages);
    // Only the report draws pages and needs fonts; the other commands start
    // quicker without them. Never a window: pages are drawn offscreen unless
    // the caller chose a platform.
    if (ToolCommandLine::drawsPages(argc, argv)) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        const QGuiApplication app(argc, argv);
        return ToolCommands::run(QCoreApplication::arguments());
    }
    const QCoreApplication app(argc, argv);
    return ToolCommands::run(QCoreApplication::arguments());
} catch (const std::bad_alloc&) {
    Utf8Output::error(QStringLiteral("qvedtool: out of memory."));
    return ToolCommandLine::Failure;
}
