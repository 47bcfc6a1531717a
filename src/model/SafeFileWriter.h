// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "WriteResult.h"

#include <QByteArrayView>
#include <QSaveFile>

// Writes a file through a temporary file beside it. The target is replaced
// only after every write, the flush to disk and the close succeeded, so a
// full disk or a size limit leaves the old file byte for byte.
//
// Writes are unbuffered: Qt keeps no block of its own whose failure could
// surface only inside commit(), where it would not be reported.
class SafeFileWriter
{
public:
    explicit SafeFileWriter(const QString& path);
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;
    ~SafeFileWriter(); // an uncommitted file is discarded

    bool open();
    // Gives the file these permissions (after open, before any byte), so a
    // private file never shows, even for a moment, with wider ones.
    bool setPermissions(QFileDevice::Permissions permissions);
    bool write(QByteArrayView bytes);
    // Flushes to disk and replaces the target; false when any step failed.
    bool commit();

    // The first failure; ok while nothing failed.
    const WriteResult& result() const { return m_result; }

    // Replaces the flush to disk, for tests: returns 0 or sets errno and
    // returns -1, as fdatasync does.
    using SyncFunction = int (*)(int fileDescriptor);
    static void setSyncForTesting(SyncFunction sync);
    // Flushes an open file to disk as commit() does: 0, or -1 with errno set.
    static int syncToDisk(int fileDescriptor);

    // Writes the whole content in one go; the result says how it went.
    static WriteResult writeFile(const QString& path, QByteArrayView content);

private:
    bool fail(int error, bool opening, const QString& before = {}, const QString& after = {});

    QSaveFile m_file;
    WriteResult m_result;
};
