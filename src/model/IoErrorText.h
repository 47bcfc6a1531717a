// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The numeric input/output failure codes the file messages name.
namespace IoError {
constexpr int None = 0;
constexpr int PathNotFound = 3;
constexpr int TooManyOpenFiles = 4;
constexpr int AccessDenied = 5; // "Write protected or already exists"
constexpr int DiskWriteError = 101;
constexpr int DiskWriteProtected = 150;
} // namespace IoError

QString IOErrorText(int code);

// The code for a failure the platform reported with errno, while the file was
// being created (opening) or written and closed.
int IoErrorCodeFromErrno(int error, bool opening);
