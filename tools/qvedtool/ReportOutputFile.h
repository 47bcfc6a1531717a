#pragma once

#include <QString>

// Where a report's PDF goes. It never replaces the question file, and an
// older PDF is never left to pass for a report that was not made.
class ReportOutputFile
{
public:
    // Why the report may not be written to output; empty when it may.
    static QString refusal(const QString& questionFile, const QString& output);

    // What to say when there is nothing to report.
    static QString notWritten(const QString& questionFile, const QString& output);
};
