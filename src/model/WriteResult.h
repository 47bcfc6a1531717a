// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Outcome of writing a file; message() is what the user is shown.
struct WriteResult
{
    bool ok = true;
    int code = 0;               // the I/O failure code, see IOErrorText
    QString platformText;       // the platform's own description of the failure
    bool folderRefused = false; // the folder took no new file, whatever the file allows

    // A failure from the errno the platform set: the platform's reason,
    // with what was being done before it and advice after it when given.
    static WriteResult failure(int error, bool opening, const QString& before = {},
                               const QString& after = {});

    QString message() const;
};
