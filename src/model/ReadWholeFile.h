#pragma once

#include <QByteArray>
#include <QString>

// The whole file's bytes; a file that cannot be opened or read, or that is
// not a regular file, throws "Cannot open file <path>: <why>".
QByteArray ReadWholeFile(const QString& path);

// Why the path cannot be read as a file ("the file does not exist", "it is
// a folder", "it is not a regular file"); empty for a regular file.
QString NotAFileReason(const QString& path);
