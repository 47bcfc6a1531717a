// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionList.h"

#include <QString>

// Reads a question file into a list exactly as the editor's Open does. A line
// that does not decode leaves every line of the file in the list, as in the
// editor; each command meets that line again on its own pass.
class QuestionFileReader
{
public:
    // Whether path is "-", which reads standard input instead of a file.
    static bool isStandardInput(const QString& path) { return path == u"-"; }

    // False, with the message on standard error, when the file cannot be read:
    // a path that is no regular file (a folder, a FIFO, a device) or a file
    // past the editor's bound is refused as the editor's Open refuses it.
    // path "-" reads standard input (a pipe, a terminal or a redirected
    // file, to the same bound). The first line that does not decode is
    // named in firstBadLine, when given ("FILE, line N: ..."); empty when
    // every line decodes.
    static bool read(const QString& path, QuestionList& list, QString* firstBadLine = nullptr);

    // How path is named in messages: "standard input" for "-".
    static QString displayName(const QString& path);
};
