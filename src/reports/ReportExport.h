// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTime;
class QuestionList;

// The export behind every report: the temporary data file of question lines,
// the schema that describes it, and the range check. Plain functions of files
// and numbers, so they are tested without a window.
class ReportExport
{
public:
    // "z" + hhmmss + ".txt" inside the folder, in the platform's separators;
    // a separator is put between them when the folder does not end in one.
    static QString TemporaryDataFileName(const QString& tempDir, const QTime& time);
    // The same name with the extension ".sch".
    static QString SchemaFileName(const QString& dataFileName);
    // The directory part with its trailing separator, and the name part.
    static QString DirectoryPart(const QString& fileName);
    static QString NamePart(const QString& fileName);

    // The 14 lines, each ended by CR LF, for the schema file of that name.
    static QByteArray SchemaText(const QString& schemaFileName);
    // Empty when written, otherwise the I/O error's text; whatever was
    // written before the failure stays in the file.
    static QString WriteSchemaFile(const QString& fileName);

    // Every line of the list, deleted ones included. A file that cannot be
    // created throws "Cannot create file <name>".
    static void WriteAllFile(const QuestionList& list, const QString& fileName);
    // Rows first..last (1-based); empty when written, else the I/O error's text.
    static QString WriteRows(const QuestionList& list, const QString& fileName, int first,
                             int last);

    // Moves a beginning below 1 up to 1 and an end beyond count down to count;
    // false when the end then lies before the beginning.
    static bool CheckRange(int& beginning, int& end, int count);
    static QString RangeErrorMessage();
};
