#pragma once

#include "QuestionList.h"

#include <QString>

// Reads a question file into a list exactly as the editor's Open does. A line
// that does not decode leaves every line of the file in the list, as in the
// editor; each command meets that line again on its own pass.
class QuestionFileReader
{
public:
    // False, with the message on standard error, when the file cannot be read.
    // The first line that does not decode is named in firstBadLine, when
    // given ("FILE, line N: ..."); empty when every line decodes.
    static bool read(const QString& path, QuestionList& list, QString* firstBadLine = nullptr);
};
