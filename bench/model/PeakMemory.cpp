// SPDX-License-Identifier: GPL-2.0-or-later
#include "PeakMemory.h"

#include <QProcess>
#include <cstdio>

namespace {

qint64 statusField(const char* name)
{
    // /proc reports a size of 0, so it is read line by line until the end.
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    qint64 kilobytes = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (QByteArrayView(line).startsWith(prefix)) {
            kilobytes = QByteArray(line + prefix.size()).trimmed().split(' ').value(0).toLongLong();
            break;
        }
    }
    std::fclose(status);
    return kilobytes * 1024;
}

} // namespace

namespace PeakMemory {

qint64 residentBytes()
{
    return statusField("VmRSS");
}

qint64 peakResidentBytes()
{
    return statusField("VmHWM");
}

void print(const Sample& sample)
{
    std::printf("%lld %lld\n", static_cast<long long>(sample.startBytes),
                static_cast<long long>(sample.peakBytes));
    std::fflush(stdout);
}

std::optional<Sample> measure(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return std::nullopt;
    return Sample{fields[0].toLongLong(), fields[1].toLongLong()};
}

} // namespace PeakMemory
