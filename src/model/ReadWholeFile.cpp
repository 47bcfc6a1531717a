#include "ReadWholeFile.h"

#include "QvedError.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>

QString NotAFileReason(const QString& path)
{
    // Opening a FIFO or a device would wait for a writer that never comes.
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("the file does not exist");
    if (info.isDir())
        return QStringLiteral("it is a folder");
    if (!info.isFile())
        return QStringLiteral("it is not a regular file");
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
    errno = 0;
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw QvedError::cannotOpenFile(path, qt_error_string(errno ? errno : EIO));
    return content;
}
