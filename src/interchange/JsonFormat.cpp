// SPDX-License-Identifier: GPL-2.0-or-later
#include "JsonFormat.h"

#include "BookTable.h"
#include "LineBlocks.h"
#include "QuestionList.h"
#include "QuestionRecord.h"
#include "QvedError.h"
#include "Windows1252.h"

#include <QCoreApplication>

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

// One question's object; record is null when the line did not decode.
void appendQuestion(QByteArray& out, int number, const QuestionRecord* record, const QString& error)
{
    auto text = [&](const char* key, QByteArrayView value) {
        out.append(", \"").append(key).append("\": ");
        appendJsonText(out, value);
    };
    auto integer = [&](const char* key, int value) {
        out.append(", \"").append(key).append("\": ").append(QByteArray::number(value));
    };
    out.append(number == 1 ? "\n" : ",\n");
    out.append("{\"number\": ").append(QByteArray::number(number));
    if (!record) {
        // The message quotes the field, which may hold any byte of the line.
        text("error", error.toUtf8());
        out.append("}");
        return;
    }
    const QuestionRecord& r = *record;
    text("CanonicalNbr", utf8(r.CanonicalNbr.view()));
    integer("Book", r.Book);
    text("BookAbbreviation",
         r.Book >= 0 && r.Book < BookCount ? BookAbbreviation(r.Book) : QByteArrayView());
    integer("Level", r.Level);
    integer("Correct", r.Correct);
    text("Reference", utf8(r.Reference.view()));
    text("Question", utf8(r.Question.view()));
    text("AnswerA", utf8(r.AnswerA.view()));
    text("AnswerB", utf8(r.AnswerB.view()));
    text("AnswerC", utf8(r.AnswerC.view()));
    text("AnswerD", utf8(r.AnswerD.view()));
    // Deleted marks live only in the editor's list, never in a file.
    out.append(", \"Deleted\": false}");
}

QByteArray closed(QByteArray body, int count)
{
    body.prepend('[');
    body.append(count == 0 ? "]\n" : "\n]\n");
    return body;
}

} // namespace

QString JsonFormat::name() const
{
    return QStringLiteral("json");
}

QString JsonFormat::title() const
{
    return QCoreApplication::translate("Interchange", "JSON");
}

QStringList JsonFormat::suffixes() const
{
    return {QStringLiteral("json")};
}

bool JsonFormat::recognises(const QByteArray&) const
{
    return false;
}

FormatReadResult JsonFormat::read(const QByteArray&) const
{
    FormatReadResult result;
    result.error = QCoreApplication::translate("Interchange", "JSON is written, never read");
    return result;
}

QByteArray JsonFormat::write(const QList<QuestionRecord>& questions, QString*, QStringList*) const
{
    return closed(LineBlocks::joined(int(questions.size()),
                                     [&](int first, int end) {
                                         QByteArray block;
                                         for (int index = first; index < end; ++index)
                                             appendQuestion(block, index + 1, &questions[index],
                                                            {});
                                         return block;
                                     }),
                  int(questions.size()));
}

QByteArray JsonFormat::writeLines(const QuestionList& list, QString*, QStringList*) const
{
    return closed(LineBlocks::joined(
                      list.count(),
                      [&](int first, int end) {
                          QByteArray block;
                          QuestionRecord record;
                          for (int index = first; index < end; ++index) {
                              // Cleared first, so a short line shows empty
                              // texts and -1.
                              ClearQuestionRecord(record);
                              QString error;
                              try {
                                  DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
                              } catch (const QvedError& e) {
                                  error = e.message();
                              }
                              appendQuestion(block, index + 1, error.isEmpty() ? &record : nullptr,
                                             error);
                          }
                          return block;
                      }),
                  list.count());
}
