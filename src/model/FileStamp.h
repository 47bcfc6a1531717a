// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// A file's size and modification time when it was read, to tell whether
// another program changed it since.
struct FileStamp
{
    qint64 size = -1;
    QDateTime modified;

    static FileStamp of(const QString& path);
    // False for a stamp never taken.
    bool changedOnDisk(const QString& path) const;
};
