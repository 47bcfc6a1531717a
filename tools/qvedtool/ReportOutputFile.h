#pragma once

#include <QString>

// Where a command's output goes (a report's PDF, a built test's files). It
// never replaces the question file, and an older PDF is never left to pass
// for a report that was not made.
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
