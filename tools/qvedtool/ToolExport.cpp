// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolExport.h"

#include "InterchangeFormats.h"
#include "QuestionFileReader.h"
#include "QuestionFormat.h"
#include "SafeFileWriter.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

QStringList ToolExport::writableFormats()
{
    QStringList names;
    for (const QuestionFormat* format : InterchangeFormats::all()) {
        if (format->canWrite())
            names.append(format->name());
    }
    return names;
}

int ToolExport::run(const QStringList& arguments)
{
    const QString names = writableFormats().join(u'|');
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes every question of FILE, decoded as the editor decodes it, in another program's "
        "format: JSON (the default, an array of objects with the keys number, CanonicalNbr, "
        "Book, BookAbbreviation, Level, Correct, Reference, Question, AnswerA, AnswerB, "
        "AnswerC, AnswerD and Deleted; Book, Level and Correct are indexes from 0, -1 for "
        "none), CSV or TSV with the same columns and a header row, GIFT, Aiken, Moodle XML or "
        "another question file. A line that does not decode gives its number and the error in "
        "JSON and CSV; the other formats leave it out and name it on standard error (exit "
        "status 1). Without -o the file goes to standard output."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolExport", "The question file."),
                                 QStringLiteral("export FILE"));
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        QCoreApplication::translate("ToolExport", "%1 (json by default).").arg(names),
        QStringLiteral("FORMAT"), QStringLiteral("json"));
    const QCommandLineOption outputOption(
        QStringLiteral("o"),
        QCoreApplication::translate("ToolExport", "The file to write, safely."),
        QStringLiteral("OUT"));
    parser.addOption(formatOption);
    parser.addOption(outputOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    const QString formatName = parser.value(formatOption);
    const QuestionFormat* format = InterchangeFormats::byName(formatName);
    if (!format || !format->canWrite())
        return ToolCommandLine::usageError(
            QStringLiteral("export"),
            QCoreApplication::translate("ToolExport", "Unknown format '%1': use %2.")
                .arg(formatName, writableFormats().join(QStringLiteral(", "))));

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    QString error;
    QStringList notes;
    const QByteArray bytes = format->writeLines(list, &error, &notes);
    if (!error.isEmpty()) {
        Utf8Output::error(QCoreApplication::translate("ToolExport", "qvedtool export: ") + error);
        return ToolCommandLine::Failure;
    }
    const QString name = QuestionFileReader::displayName(file);
    for (const QString& note : notes)
        Utf8Output::error(name + u':' + note);

    if (parser.isSet(outputOption)) {
        const QString target = parser.value(outputOption);
        const WriteResult written = SafeFileWriter::writeFile(target, bytes);
        if (!written.ok) {
            Utf8Output::error(
                QCoreApplication::translate("ToolExport", "qvedtool export: cannot write %1: %2")
                    .arg(target, written.platformText));
            return ToolCommandLine::Failure;
        }
    } else {
        Utf8Output out;
        out.raw(bytes);
        if (!out.flush())
            return ToolCommandLine::Failure;
    }
    return notes.isEmpty() ? ToolCommandLine::Success : ToolCommandLine::ProblemsFound;
}
