// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolExport.h"

#include "BookTable.h"
#include "ForEachBlock.h"
#include "QuestionFileReader.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "Windows1252.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <algorithm>

namespace {

// A question text, from the file's Windows-1252 bytes.
QByteArray utf8(QByteArrayView text)
{
    return Windows1252::toUnicode(text).toUtf8();
}

// A JSON string of UTF-8 text: quotes and backslashes escaped, control
// characters as \u00XX.
void appendJsonText(QByteArray& out, QByteArrayView text)
{
    static constexpr char hex[] = "0123456789abcdef";
    out.append('"');
    for (const char byte : text) {
        if (byte == '"' || byte == '\\')
            out.append('\\').append(byte);
        else if (uchar(byte) < 0x20)
            out.append("\\u00", 4).append(hex[uchar(byte) >> 4]).append(hex[uchar(byte) & 15]);
        else
            out.append(byte);
    }
    out.append('"');
}

// An RFC 4180 field, quoted only when it holds a comma, a quote or a line
// break.
void appendCsvText(QByteArray& out, QByteArrayView text)
{
    static constexpr char special[] = {',', '"', '\r', '\n'};
    const bool quoted = std::find_first_of(text.begin(), text.end(), std::begin(special),
                                           std::end(special)) != text.end();
    if (quoted)
        out.append('"');
    for (const char byte : text) {
        if (byte == '"')
            out.append('"');
        out.append(byte);
    }
    if (quoted)
        out.append('"');
}

QByteArrayView abbreviation(int book)
{
    return book >= 0 && book < BookCount ? BookAbbreviation(book) : QByteArrayView();
}

// The CSV columns, in the order of the JSON keys, then the error.
constexpr char CsvHeader[] =
    "number,CanonicalNbr,Book,BookAbbreviation,Level,Correct,Reference,Question,"
    "AnswerA,AnswerB,AnswerC,AnswerD,Deleted,error\r\n";

enum class Format
{
    Json,
    Csv
};

// One question's columns in the order of the JSON keys; record is null
// when the line did not decode.
void appendQuestion(QByteArray& out, int number, const QuestionRecord* record, const QString& error,
                    Format format)
{
    const bool json = format == Format::Json;
    // Texts arrive in UTF-8.
    auto text = [&](const char* key, QByteArrayView value) {
        if (json) {
            out.append(", \"").append(key).append("\": ");
            appendJsonText(out, value);
        } else {
            out.append(',');
            appendCsvText(out, value);
        }
    };
    auto integer = [&](const char* key, int value) {
        if (json)
            out.append(", \"").append(key).append("\": ");
        else
            out.append(',');
        out.append(QByteArray::number(value));
    };
    out.append(json ? "{\"number\": " : "").append(QByteArray::number(number));
    if (!record) {
        // The message quotes the field, which may hold any byte of the line.
        out.append(json ? "" : ",,,,,,,,,,,,");
        text("error", error.toUtf8());
        out.append(json ? "}" : "\r\n");
        return;
    }
    const QuestionRecord& r = *record;
    text("CanonicalNbr", utf8(r.CanonicalNbr.view()));
    integer("Book", r.Book);
    text("BookAbbreviation", utf8(abbreviation(r.Book)));
    integer("Level", r.Level);
    integer("Correct", r.Correct);
    text("Reference", utf8(r.Reference.view()));
    text("Question", utf8(r.Question.view()));
    text("AnswerA", utf8(r.AnswerA.view()));
    text("AnswerB", utf8(r.AnswerB.view()));
    text("AnswerC", utf8(r.AnswerC.view()));
    text("AnswerD", utf8(r.AnswerD.view()));
    // Deleted marks live only in the editor's list, never in a file.
    out.append(json ? ", \"Deleted\": false}" : ",false,\r\n");
}

// The lines of questions first..end-1, each with what comes before it.
QByteArray exportBlock(const QuestionList& list, int first, int end, Format format)
{
    QByteArray out;
    QuestionRecord record;
    for (int index = first; index < end; ++index) {
        // Cleared first, so a short line shows empty texts and -1.
        ClearQuestionRecord(record);
        QString error;
        try {
            DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
        } catch (const QvedError& e) {
            error = e.message();
        }
        if (format == Format::Json)
            out.append(index == 0 ? "\n" : ",\n");
        appendQuestion(out, index + 1, error.isEmpty() ? &record : nullptr, error, format);
    }
    return out;
}

} // namespace

int ToolExport::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolExport",
        "Writes every question of FILE to standard output, decoded as the editor decodes it: "
        "a JSON array of objects with the keys number, CanonicalNbr, Book, BookAbbreviation, "
        "Level, Correct, Reference, Question, AnswerA, AnswerB, AnswerC, AnswerD and Deleted, "
        "or CSV with the same columns and a header row. Book, Level and Correct are indexes "
        "from 0, -1 for none. A line that does not decode gives its number and the error."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolExport", "The question file."),
                                 QStringLiteral("export FILE"));
    const QCommandLineOption formatOption(
        QStringLiteral("format"),
        QCoreApplication::translate("ToolExport", "json (the default) or csv."),
        QStringLiteral("FORMAT"), QStringLiteral("json"));
    parser.addOption(formatOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    const QString formatName = parser.value(formatOption);
    if (formatName != u"json" && formatName != u"csv")
        return ToolCommandLine::usageError(
            QStringLiteral("export"),
            QCoreApplication::translate("ToolExport", "Unknown format '%1': use json or csv.")
                .arg(formatName));
    const Format format = formatName == u"csv" ? Format::Csv : Format::Json;

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    Utf8Output out;
    out.raw(format == Format::Csv ? QByteArrayView(CsvHeader) : QByteArrayView("["));
    ForEachBlock<QByteArray>(
        list.count(),
        [&list, format](const QuestionBlock& block) {
            return exportBlock(list, block.first, block.end, format);
        },
        [&out](const QByteArray& text) { out.raw(text); });
    if (format == Format::Json)
        out.raw(list.isEmpty() ? "]\n" : "\n]\n");
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}
