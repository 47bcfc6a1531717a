#include "BackupCopy.h"

#include <QDir>
#include <QFile>

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

bool makeBackup(const QString& path)
{
    const QString backup = backupFileName(path);
    QFile::remove(backup);
    return QFile::copy(path, backup);
}

} // namespace BackupCopy
