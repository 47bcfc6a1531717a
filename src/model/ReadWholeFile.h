#pragma once

#include <QByteArray>
#include <QString>

// The whole file's bytes; a file that cannot be opened or read throws
// "Cannot open file <path>".
QByteArray ReadWholeFile(const QString& path);
