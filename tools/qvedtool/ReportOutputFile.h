// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Where a report's PDF goes. It never replaces the question file (the check
// build-test's files get from TestFiles too), and an older PDF is never left
// to pass for a report that was not made.
class ReportOutputFile
{
public:
    // Why the output may not be written: it is the question file (questionFile
    // "-" is standard input) under any name, through any link. Empty when it
    // may.
    static QString refusal(const QString& questionFile, const QString& output);

    // What to say when there is nothing to report.
    static QString notWritten(const QString& questionFile, const QString& output);
};
