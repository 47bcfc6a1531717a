#include "ToolExport.h"

#include "BookTable.h"
#include "QuestionFileReader.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <cstdio>

namespace {

QByteArrayView abbreviation(int book)
{
    return book >= 0 && book < BookCount ? BookAbbreviation(book) : QByteArrayView();
}

// The CSV columns, in the order of the JSON keys, then the error.
constexpr const char* CsvHeader =
    "number,CanonicalNbr,Book,BookAbbreviation,Level,Correct,Reference,Question,"
    "AnswerA,AnswerB,AnswerC,AnswerD,Deleted,error\r\n";

} // namespace

int ToolExport::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes every question of FILE to standard output, decoded as the editor decodes it: "
        "a JSON array of objects with the keys number, CanonicalNbr, Book, BookAbbreviation, "
        "Level, Correct, Reference, Question, AnswerA, AnswerB, AnswerC, AnswerD and Deleted, "
        "or CSV with the same columns and a header row. Book, Level and Correct are indexes "
        "from 0, -1 for none. A line that does not decode gives its number and the error."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("export FILE"));
    const QCommandLineOption formatOption(QStringLiteral("format"),
                                          QStringLiteral("json (the default) or csv."),
                                          QStringLiteral("FORMAT"), QStringLiteral("json"));
    parser.addOption(formatOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    const QString formatName = parser.value(formatOption);
    if (formatName != u"json" && formatName != u"csv")
        return ToolCommandLine::usageError(
            QStringLiteral("export"),
            QStringLiteral("Unknown format '%1': use json or csv.").arg(formatName));

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    Utf8Output out(1);
    ToolExport(list, formatName == u"csv" ? Format::Csv : Format::Json, out).exportAll();
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}

ToolExport::ToolExport(const QuestionList& list, Format format, Utf8Output& out)
    : m_list(list), m_format(format), m_out(out)
{
}

void ToolExport::exportAll()
{
    if (m_format == Format::Csv)
        m_out.raw(CsvHeader);
    else
        m_out.raw('[');
    for (int index = 0; index < m_list.count(); ++index) {
        const int number = index + 1;
        // Cleared first, so a short line shows empty texts and -1.
        ClearQuestionRecord(m_record);
        QString error;
        try {
            DecodeQuestionLine(m_list.line(index), m_record, DecodeMode::Full);
        } catch (const QvedError& e) {
            error = e.message();
        }
        const QuestionRecord* record = error.isEmpty() ? &m_record : nullptr;
        if (m_format == Format::Csv) {
            writeCsv(number, record, error);
        } else {
            m_out.raw(index == 0 ? "\n" : ",\n");
            writeJson(number, record, error);
        }
    }
    if (m_format == Format::Json)
        m_out.raw(m_list.isEmpty() ? "]\n" : "\n]\n");
}

void ToolExport::piece(Encoding encoding, QByteArrayView text)
{
    if (encoding == Encoding::Windows1252)
        m_out.ansi(text);
    else
        m_out.raw(text);
}

void ToolExport::jsonKey(const char* key)
{
    m_out.raw(", \"");
    m_out.raw(key);
    m_out.raw("\": ");
}

void ToolExport::writeJson(int number, const QuestionRecord* record, const QString& error)
{
    m_out.raw("{\"number\": ");
    m_out.number(number);
    if (!record) {
        jsonKey("error");
        // The message quotes the field, which may hold any byte of the line.
        jsonText(error.toUtf8(), Encoding::Utf8);
        m_out.raw('}');
        return;
    }
    const QuestionRecord& r = *record;
    jsonKey("CanonicalNbr");
    jsonText(r.CanonicalNbr.view());
    jsonKey("Book");
    m_out.number(r.Book);
    jsonKey("BookAbbreviation");
    jsonText(abbreviation(r.Book));
    jsonKey("Level");
    m_out.number(r.Level);
    jsonKey("Correct");
    m_out.number(r.Correct);
    jsonKey("Reference");
    jsonText(r.Reference.view());
    jsonKey("Question");
    jsonText(r.Question.view());
    jsonKey("AnswerA");
    jsonText(r.AnswerA.view());
    jsonKey("AnswerB");
    jsonText(r.AnswerB.view());
    jsonKey("AnswerC");
    jsonText(r.AnswerC.view());
    jsonKey("AnswerD");
    jsonText(r.AnswerD.view());
    // Deleted marks live only in the editor's list, never in a file.
    jsonKey("Deleted");
    m_out.raw("false}");
}

void ToolExport::jsonText(QByteArrayView text, Encoding encoding)
{
    m_out.raw('"');
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar byte = uchar(text[i]);
        if (byte >= 0x20 && byte != '"' && byte != '\\')
            continue;
        piece(encoding, text.sliced(runStart, i - runStart));
        if (byte == '"' || byte == '\\') {
            m_out.raw('\\');
            m_out.raw(char(byte));
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            m_out.raw(escaped);
        }
        runStart = i + 1;
    }
    piece(encoding, text.sliced(runStart));
    m_out.raw('"');
}

void ToolExport::writeCsv(int number, const QuestionRecord* record, const QString& error)
{
    m_out.number(number);
    if (!record) {
        m_out.raw(",,,,,,,,,,,,,");
        csvText(error.toUtf8(), Encoding::Utf8);
        m_out.raw("\r\n");
        return;
    }
    const QuestionRecord& r = *record;
    m_out.raw(',');
    csvText(r.CanonicalNbr.view());
    m_out.raw(',');
    m_out.number(r.Book);
    m_out.raw(',');
    csvText(abbreviation(r.Book));
    m_out.raw(',');
    m_out.number(r.Level);
    m_out.raw(',');
    m_out.number(r.Correct);
    for (const QByteArrayView text : {r.Reference.view(), r.Question.view(), r.AnswerA.view(),
                                      r.AnswerB.view(), r.AnswerC.view(), r.AnswerD.view()}) {
        m_out.raw(',');
        csvText(text);
    }
    m_out.raw(",false,\r\n");
}

void ToolExport::csvText(QByteArrayView text, Encoding encoding)
{
    // Quoted only when it must be: a comma, a quote or a line break inside.
    bool quote = false;
    for (const char c : text) {
        if (c == ',' || c == '"' || c == '\r' || c == '\n') {
            quote = true;
            break;
        }
    }
    if (!quote) {
        piece(encoding, text);
        return;
    }
    m_out.raw('"');
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '"')
            continue;
        // The quote itself ends this run; a second one doubles it.
        piece(encoding, text.sliced(runStart, i + 1 - runStart));
        runStart = i;
    }
    piece(encoding, text.sliced(runStart));
    m_out.raw('"');
}
