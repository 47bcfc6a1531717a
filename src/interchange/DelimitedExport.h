// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// What CSV and TSV share: the table read with its header found, and the
// export's own columns written.
class DelimitedExport
{
public:
    // separator 0 finds "," or ";".
    static FormatReadResult read(const QByteArray& source, char separator);
    static QByteArray write(const QList<QuestionRecord>& questions, char separator);
    static QByteArray writeLines(const QuestionList& list, char separator);
};
