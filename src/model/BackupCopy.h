// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// The rules for the ".qbk" backup copy made when a question file is opened.
namespace BackupCopy {

// The path with its extension replaced by ".qbk" (appended when the file
// name has none).
QString backupFileName(const QString& path);

// Open makes a copy unless the extension is ".qbk" in any case.
bool needsBackup(const QString& path);

// Save refuses to overwrite a backup: the test is exact, so "X.QBK" is
// written over while "x.qbk" is not.
bool isBackupFileName(const QString& path);

// Copies the file to its backup name, replacing an earlier backup only once
// every byte is on disk. Empty when the copy was made; otherwise what the
// user is told. A backup that would be the question file itself, whatever
// links lead there, is refused.
QString makeBackup(const QString& path);
// The same, from the bytes the file was just read as, so the backup is
// exactly what was loaded. Either way the backup gets the question file's
// permissions.
QString makeBackup(const QString& path, QByteArrayView content);

} // namespace BackupCopy
