// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileStamp.h"

#include <QFileInfo>

FileStamp FileStamp::of(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {info.size(), info.lastModified()};
}

bool FileStamp::changedOnDisk(const QString& path) const
{
    if (size < 0)
        return false;
    const FileStamp now = of(path);
    return now.size != size || now.modified != modified;
}
