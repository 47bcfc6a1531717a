// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "WriteResult.h"

#include <QByteArrayView>
#include <QString>

// The author's own files beside the program's (the dictionary, the word list
// caches) are for the author's eyes only: each is 0600 in a 0700 folder.
class PrivateFile
{
public:
    // Makes the folder and any missing parents 0700; false when it is no
    // folder afterwards.
    static bool makeFolder(const QString& folder);
    // Writes through SafeFileWriter into a private folder, the file 0600.
    static WriteResult write(const QString& path, QByteArrayView content);
};
