// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReadWholeFile.h"

#include "LargePages.h"
#include "QvedError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>
#include <vector>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

QString tooLarge(qint64 limit)
{
    return limit == MaxWholeFileSize
               ? QCoreApplication::translate(
                     "ReadWholeFile",
                     "it is larger than 1 GiB, the most a file read whole may hold")
               : QCoreApplication::translate("ReadWholeFile",
                                             "it is larger than %1 bytes, the most it may hold")
                     .arg(limit);
}

// A block of size bytes, left uninitialised, in large pages where there are.
QByteArray largeBlock(qsizetype size)
{
    QByteArray block(size, Qt::Uninitialized);
    AdviseLargePages(block.data(), size);
    return block;
}

} // namespace

QString NotAFileReason(const QString& path)
{
    // Opening a FIFO or a device would wait for a writer that never comes,
    // or read without end (/dev/zero).
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("ReadWholeFile", "the file does not exist");
    if (info.isDir())
        return QCoreApplication::translate("ReadWholeFile", "it is a folder");
    if (!info.isFile())
        return QCoreApplication::translate("ReadWholeFile", "it is not a regular file");
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

QByteArray ReadWholeFileInParts(const QString& path, int parts)
{
#ifdef Q_OS_UNIX
    if (const QString reason = NotAFileReason(path); !reason.isEmpty())
        throw QvedError::cannotOpenFile(path, reason);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw QvedError::cannotOpenFile(path, qt_error_string(errno ? errno : EACCES));
    // Below this a thread costs more than it saves.
    constexpr qint64 SmallestPart = qint64(1) << 22;
    const qint64 size = file.size();
    parts = int(std::min<qint64>(parts, size / SmallestPart));
    if (parts < 2 || size > MaxWholeFileSize)
        return ReadWholeStream(file, path);

    QByteArray content = largeBlock(qsizetype(size));
    const int handle = file.handle();
    std::vector<qint64> missing(std::size_t(parts), 0);
    std::vector<int> failure(std::size_t(parts), 0);
    auto readPart = [&](std::size_t k) {
        const qint64 begin = size / parts * qint64(k);
        const qint64 end = k + 1 == missing.size() ? size : size / parts * qint64(k + 1);
        qint64 at = begin;
        while (at < end) {
            const ssize_t got =
                ::pread(handle, content.data() + at, std::size_t(end - at), off_t(at));
            if (got < 0 && errno == EINTR)
                continue;
            if (got < 0) {
                failure[k] = errno;
                return;
            }
            if (got == 0)
                break;
            at += got;
        }
        missing[k] = end - at;
    };
    {
        std::vector<std::jthread> threads;
        for (std::size_t k = 1; k < missing.size(); ++k) {
            try {
                threads.emplace_back(readPart, k);
            } catch (const std::system_error&) {
                readPart(k);
            }
        }
        readPart(0);
    }
    for (const int error : failure)
        if (error)
            throw QvedError::cannotOpenFile(path, qt_error_string(error));
    // A file cut short meanwhile is read again in one pass.
    for (const qint64 left : missing) {
        if (left > 0) {
            if (!file.seek(0))
                throw QvedError::cannotOpenFile(path, file.errorString());
            return ReadWholeStream(file, path);
        }
    }
    // Then whatever the file grew by, as ReadWholeStream reads it.
    if (!file.seek(size))
        throw QvedError::cannotOpenFile(path, file.errorString());
    constexpr qint64 Block = qint64(1) << 20;
    QByteArray block(qsizetype(Block), Qt::Uninitialized);
    for (;;) {
        errno = 0;
        const qint64 got = file.read(block.data(), Block);
        if (got < 0)
            throw QvedError::cannotOpenFile(path,
                                            errno ? qt_error_string(errno) : file.errorString());
        if (got == 0)
            return content;
        if (content.size() + got > MaxWholeFileSize)
            throw QvedError::cannotOpenFile(path, tooLarge(MaxWholeFileSize));
        content.append(block.constData(), qsizetype(got));
    }
#else
    Q_UNUSED(parts);
    return ReadWholeFile(path);
#endif
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
        content = largeBlock(qsizetype(size));
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
