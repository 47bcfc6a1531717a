// SPDX-License-Identifier: GPL-2.0-or-later
#include "BackupCopy.h"

#include "QvedError.h"
#include "ReadWholeFile.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace {

// The extension starts at the last dot after the last path separator.
qsizetype extensionStart(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    const qsizetype separator = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return dot > separator ? dot : -1;
}

QString extension(const QString& path)
{
    const qsizetype start = extensionStart(path);
    return start < 0 ? QString() : path.mid(start);
}

QString unableToCopy(const WriteResult& result)
{
    return QCoreApplication::translate("BackupCopy",
                                       "Unable to make a backup copy of this file.\r\n") +
           result.platformText;
}

// Why no backup may be written to that name; empty when one may.
QString refusal(const QString& path, const QString& backup)
{
    const QFileInfo source(path);
    const QFileInfo target(backup);
    if (target.exists() && target.canonicalFilePath() == source.canonicalFilePath())
        return QCoreApplication::translate(
                   "BackupCopy", "%1 and its backup copy %2 are the same file. Rename one of them "
                                 "before opening it.")
            .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(backup));
    if (target.isFile() && !(target.permissions() & QFileDevice::WriteOwner))
        return QCoreApplication::translate(
            "BackupCopy", "Unable to make a backup copy of this file. A previous backup copy "
                          "may be set to read only. You can check this in Explorer.");
    return {};
}

// The backup is as private as the question file; its owner may always
// write it, so the next Open can replace it.
bool openLike(SafeFileWriter& out, const QString& path)
{
    constexpr QFileDevice::Permissions modeBits =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
        QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
        QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
    const QFileDevice::Permissions source = QFile::permissions(path) & modeBits;
    return out.open() &&
           (source.toInt() == 0 || out.setPermissions(source | QFileDevice::WriteOwner));
}

} // namespace

namespace BackupCopy {

QString backupFileName(const QString& path)
{
    const qsizetype start = extensionStart(path);
    return (start < 0 ? path : path.left(start)) + QStringLiteral(".qbk");
}

bool needsBackup(const QString& path)
{
    return extension(path).toLower() != QStringLiteral(".qbk");
}

bool isBackupFileName(const QString& path)
{
    return extension(path) == QStringLiteral(".qbk");
}

QString makeBackup(const QString& path)
{
    const QString backup = backupFileName(path);
    if (const QString refused = refusal(path, backup); !refused.isEmpty())
        return refused;
    if (const QString reason = NotAFileReason(path); !reason.isEmpty())
        return QvedError::cannotOpenFile(path, reason).message();
    QFile in(path);
    errno = 0;
    if (!in.open(QIODevice::ReadOnly))
        return QvedError::cannotOpenFile(path, qt_error_string(errno)).message();
    SafeFileWriter out(backup);
    if (!openLike(out, path))
        return unableToCopy(out.result());
    QByteArray block;
    while (!in.atEnd()) {
        errno = 0;
        block = in.read(1 << 20);
        if (in.error() != QFileDevice::NoError)
            return QvedError::cannotOpenFile(path, qt_error_string(errno ? errno : EIO)).message();
        if (!out.write(block))
            return unableToCopy(out.result());
    }
    if (!out.commit())
        return unableToCopy(out.result());
    return {};
}

QString makeBackup(const QString& path, QByteArrayView content)
{
    const QString backup = backupFileName(path);
    if (const QString refused = refusal(path, backup); !refused.isEmpty())
        return refused;
    SafeFileWriter out(backup);
    if (!openLike(out, path) || !out.write(content) || !out.commit())
        return unableToCopy(out.result());
    return {};
}

} // namespace BackupCopy
