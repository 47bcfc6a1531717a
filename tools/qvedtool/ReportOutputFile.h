#pragma once

#include <QString>

// Where a report's PDF goes. It never replaces the question file, never
// lands cut off, and an older PDF is never left to pass for a report that
// was not made. The PDF is drawn into a temporary folder first and copied
// to its place only when it is whole.
class ReportOutputFile
{
public:
    // Why the report may not be written to output; empty when it may.
    static QString refusal(const QString& questionFile, const QString& output);

    // What to say when there is nothing to report.
    static QString notWritten(const QString& questionFile, const QString& output);

    // Copies the PDF drawn at staged to output through a safe write; empty
    // when it is there whole, otherwise the message with the reason.
    static QString publish(const QString& staged, const QString& output);
};
