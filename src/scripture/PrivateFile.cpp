// SPDX-License-Identifier: GPL-2.0-or-later
#include "PrivateFile.h"

#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

constexpr QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner;
constexpr QFile::Permissions OwnerFolder = OwnerOnly | QFile::ExeOwner;

} // namespace

bool PrivateFile::makeFolder(const QString& folder)
{
    // The folders made here are the program's own; a parent that was there
    // before (the home folder, ~/.cache) is left as the user set it.
    QStringList made;
    for (QString path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
         !path.isEmpty() && !QFileInfo::exists(path); path = QFileInfo(path).path()) {
        made.prepend(path);
        if (QFileInfo(path).path() == path)
            break;
    }
    if (!QDir().mkpath(folder))
        return false;
    for (const QString& path : std::as_const(made))
        QFile::setPermissions(path, OwnerFolder);
    QFile::setPermissions(folder, OwnerFolder);
    return QFileInfo(folder).isDir();
}

WriteResult PrivateFile::write(const QString& path, QByteArrayView content)
{
    const QString folder = QFileInfo(path).path();
    errno = 0;
    if (!makeFolder(folder)) {
        const int error = errno != 0 ? errno : EACCES;
        return WriteResult::failure(
            error, true,
            QCoreApplication::translate("PrivateFile", "The folder %1 cannot be made: ")
                .arg(QDir::toNativeSeparators(folder)));
    }
    WriteResult result = SafeFileWriter::writeFile(path, content);
    if (result.ok)
        QFile::setPermissions(path, OwnerOnly);
    return result;
}
