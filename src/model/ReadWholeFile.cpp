#include "ReadWholeFile.h"

#include "QvedError.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>

namespace {

QString tooLarge(qint64 limit)
{
    return limit == MaxWholeFileSize
               ? QStringLiteral("it is larger than 1 GiB, the most a file read whole may hold")
               : QStringLiteral("it is larger than %1 bytes, the most it may hold").arg(limit);
}

} // namespace

QString NotAFileReason(const QString& path)
{
    // Opening a FIFO or a device would wait for a writer that never comes,
    // or read without end (/dev/zero).
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("the file does not exist");
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.isFile())
        return QStringLiteral("it is not a regular file");
    if (info.size() > MaxWholeFileSize)
        return tooLarge(MaxWholeFileSize);
    return {};
}

QByteArray ReadWholeFile(const QString& path)
{
    if (const QString reason = NotAFileReason(path); !reason.isEmpty())
        throw QvedError::cannotOpenFile(path, reason);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw QvedError::cannotOpenFile(path, qt_error_string(errno ? errno : EACCES));
    // The file may still grow between the look and the read.
    return ReadWholeStream(file, path);
}

QByteArray ReadWholeStream(QIODevice& stream, const QString& name, qint64 limit)
{
    auto readFailed = [&] {
        return QvedError::cannotOpenFile(name,
                                         errno ? qt_error_string(errno) : stream.errorString());
    };
    QByteArray content;
    // A file of known size is read into a block of its size: a bank of
    // hundreds of megabytes is held once, never copied while growing.
    if (!stream.isSequential()) {
        const qint64 size = stream.size();
        if (size > limit)
            throw QvedError::cannotOpenFile(name, tooLarge(limit));
        content.resize(qsizetype(size));
        qint64 done = 0;
        while (done < size) {
            errno = 0;
            const qint64 got = stream.read(content.data() + done, size - done);
            if (got < 0)
                throw readFailed();
            if (got == 0)
                break;
            done += got;
        }
        content.resize(qsizetype(done));
    }
    // Then whatever comes after (a pipe, a terminal, a file still growing)
    // in blocks, so a stream without end stops one block past the limit.
    constexpr qint64 Block = qint64(1) << 20;
    QByteArray block(qsizetype(Block), Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 got = stream.read(block.data(), Block);
        if (got < 0)
            throw readFailed();
        if (got == 0)
            return content;
        if (content.size() + got > limit)
            throw QvedError::cannotOpenFile(name, tooLarge(limit));
        content.append(block.constData(), qsizetype(got));
    }
}
