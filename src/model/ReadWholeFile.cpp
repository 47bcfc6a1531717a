#include "ReadWholeFile.h"

#include "QvedError.h"

#include <QFile>

QByteArray ReadWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw QvedError::cannotOpenFile(path);
    QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw QvedError::cannotOpenFile(path);
    return content;
}
