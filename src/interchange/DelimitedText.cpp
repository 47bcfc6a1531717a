// SPDX-License-Identifier: GPL-2.0-or-later
#include "DelimitedText.h"

#include "BookTable.h"
#include "QuestionRecord.h"
#include "SourceText.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>

namespace {

// The first record's separators, outside quotes.
qsizetype countInFirstRecord(QByteArrayView head, char separator)
{
    qsizetype count = 0;
    bool quoted = false;
    for (const char c : head) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == separator)
            ++count;
    }
    return count;
}

void appendField(QByteArray& out, QByteArrayView text, char separator)
{
    const char special[] = {separator, '"', '\r', '\n'};
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

QByteArray utf8(QByteArrayView text)
{
    return Windows1252::toUnicode(text).toUtf8();
}

} // namespace

bool DelimitedText::looksLikeText(QByteArrayView head)
{
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF"))
        return true;
    qsizetype controls = 0;
    for (const char c : head) {
        if (c == 0)
            return false;
        if (uchar(c) < 0x20 && c != '\t' && c != '\r' && c != '\n')
            ++controls;
    }
    return controls * 100 <= head.size();
}

char DelimitedText::likelySeparator(QByteArrayView head, QByteArrayView candidates)
{
    char best = 0;
    qsizetype most = 0;
    for (const char candidate : candidates) {
        const qsizetype count = countInFirstRecord(head, candidate);
        if (count > most) {
            most = count;
            best = candidate;
        }
    }
    return best;
}

SourceTable DelimitedText::read(const QByteArray& source, char separator, QString* error)
{
    SourceTable table;
    QByteArray converted;
    QByteArrayView bytes = source;
    bool utf8Text = true;
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        bytes = bytes.sliced(3);
    } else if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decoder(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE
                                                            : QStringDecoder::Utf16BE);
        const QString text = decoder.decode(bytes.sliced(2));
        if (decoder.hasError()) {
            *error = QCoreApplication::translate(
                "Interchange", "it is not UTF-16 text throughout, as its first bytes say");
            return table;
        }
        converted = text.toUtf8();
        bytes = converted;
    } else {
        utf8Text = SourceText::isUtf8(bytes);
    }
    if (std::memchr(bytes.data(), 0, size_t(bytes.size())) != nullptr) {
        *error = QCoreApplication::translate("Interchange",
                                             "it is not a text file (it holds NUL bytes)");
        return table;
    }
    if (separator == 0)
        separator = likelySeparator(bytes.first(std::min<qsizetype>(bytes.size(), 1 << 16)), ",;");
    if (separator == 0)
        separator = ',';

    auto cell = [utf8Text](QByteArrayView text) {
        return utf8Text ? QString::fromUtf8(text) : Windows1252::toUnicode(text);
    };
    const char* p = bytes.data();
    const char* const end = p + bytes.size();
    int line = 1;
    QByteArray unquoted;
    while (p < end) {
        const int firstLine = line;
        QStringList cells;
        for (;;) {
            if (p < end && *p == '"') {
                unquoted.resize(0);
                ++p;
                for (;;) {
                    const char* quote =
                        static_cast<const char*>(std::memchr(p, '"', size_t(end - p)));
                    if (!quote) {
                        *error = QCoreApplication::translate(
                                     "Interchange",
                                     "line %1: a quoted field begins here and is never closed")
                                     .arg(line);
                        return SourceTable();
                    }
                    line += int(std::count(p, quote, '\n'));
                    unquoted.append(p, quote - p);
                    p = quote + 1;
                    if (p < end && *p == '"') {
                        unquoted.append('"');
                        ++p;
                        continue;
                    }
                    break;
                }
                // Anything between the closing quote and the separator is kept.
                const char* rest = p;
                while (p < end && *p != separator && *p != '\n' && *p != '\r')
                    ++p;
                unquoted.append(rest, p - rest);
                cells.append(cell(unquoted));
            } else {
                const char* start = p;
                while (p < end && *p != separator && *p != '\n' && *p != '\r')
                    ++p;
                cells.append(cell(QByteArrayView(start, p - start)));
            }
            if (p < end && *p == separator) {
                ++p;
                continue;
            }
            break;
        }
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
        ++line;
        table.rows.append(cells);
        table.places.append(QCoreApplication::translate("Interchange", "line %1").arg(firstLine));
    }
    return table;
}

QByteArray DelimitedText::header(char separator)
{
    QByteArray result = "number,CanonicalNbr,Book,BookAbbreviation,Level,Correct,Reference,"
                        "Question,AnswerA,AnswerB,AnswerC,AnswerD,Deleted,error\r\n";
    result.replace(',', separator);
    return result;
}

void DelimitedText::appendRecord(QByteArray& out, int number, const QuestionRecord* record,
                                 const QString& error, char separator)
{
    out.append(QByteArray::number(number));
    if (!record) {
        // The message quotes the field, which may hold any byte of the line.
        out.append(QByteArray(13, separator));
        appendField(out, error.toUtf8(), separator);
        out.append("\r\n");
        return;
    }
    const QuestionRecord& r = *record;
    auto text = [&](QByteArrayView value) {
        out.append(separator);
        appendField(out, value, separator);
    };
    auto integer = [&](int value) { out.append(separator).append(QByteArray::number(value)); };
    text(utf8(r.CanonicalNbr.view()));
    integer(r.Book);
    text(r.Book >= 0 && r.Book < BookCount ? BookAbbreviation(r.Book) : QByteArrayView());
    integer(r.Level);
    integer(r.Correct);
    text(utf8(r.Reference.view()));
    text(utf8(r.Question.view()));
    text(utf8(r.AnswerA.view()));
    text(utf8(r.AnswerB.view()));
    text(utf8(r.AnswerC.view()));
    text(utf8(r.AnswerD.view()));
    // Deleted marks live only in the editor's list, never in a file.
    out.append(separator).append("false").append(separator).append("\r\n");
}
