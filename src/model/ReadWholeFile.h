// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

class QIODevice;

// The most bytes a file read whole may hold: 1 GiB. The list keeps the whole
// file and a row for each line, so that is a bank of about four million
// questions and some 1.3 GB of memory; the largest banks worked with (a
// million questions, 200 to 300 MB) stay well below it.
constexpr qint64 MaxWholeFileSize = qint64(1) << 30;

// The whole file's bytes; a file that cannot be opened or read, that is not
// a regular file or that holds more than MaxWholeFileSize bytes throws
// "Cannot open file <path>: <why>".
QByteArray ReadWholeFile(const QString& path);

// The same, read in up to `parts` blocks side by side where the platform
// reads at an offset without moving the file's position (a large file only).
QByteArray ReadWholeFileInParts(const QString& path, int parts);

// An open stream (standard input) read to its end; more than limit bytes, or
// a read that fails, throws "Cannot open file <name>: <why>".
QByteArray ReadWholeStream(QIODevice& stream, const QString& name, qint64 limit = MaxWholeFileSize);

// Why the path cannot be read as a file ("the file does not exist", "it is
// a folder", "it is not a regular file", "it is larger than 1 GiB, the most
// a file read whole may hold"); empty for a regular file within the bound.
QString NotAFileReason(const QString& path);
