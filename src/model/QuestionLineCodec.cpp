#include "QuestionLineCodec.h"

#include "BookTable.h"
#include "IntegerConversion.h"

#include <cstring>

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char upperAscii(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }

void storeField(int number, QByteArrayView text, QuestionRecord& record,
                QByteArrayView* questionField)
{
    switch (number) {
    case 1: {
        record.CanonicalNbr.assign(text);
        // The first character is not examined: the book number is the
        // second and third characters.
        const QByteArrayView code = record.CanonicalNbr.view();
        const int book = StrToInt(code.size() > 1 ? code.sliced(1) : QByteArrayView()) - 1;
        record.Book = qint16(book < 0 ? 67 : book);
        break;
    }
    case 2:
        // Any 32-bit level is kept in 16 bits; the subtraction itself must
        // not overflow for the smallest one.
        record.Level = qint16(qint64(StrToInt(text)) - 1);
        break;
    case 3:
        record.Correct = qint16(uchar(upperAscii(text[0])) - uchar('A'));
        break;
    case 4: {
        QByteArrayView reference = text;
        if (record.Book < 66)
            reference = reference.sliced(FirstDigitPos(reference) - 1);
        while (!reference.isEmpty() && uchar(reference[0]) <= 32)
            reference = reference.sliced(1);
        record.Reference.assign(reference);
        break;
    }
    case 5:
        record.Question.assign(text);
        if (questionField)
            *questionField = text.first(std::min<qsizetype>(text.size(), 90));
        break;
    case 6:
        record.AnswerA.assign(text);
        break;
    case 7:
        record.AnswerB.assign(text);
        break;
    case 8:
        record.AnswerC.assign(text);
        break;
    case 9:
        record.AnswerD.assign(text);
        break;
    default:
        break;
    }
}

} // namespace

void DecodeQuestionLine(QByteArrayView line, QuestionRecord& record, DecodeMode mode,
                        QByteArrayView* questionField)
{
    const int lastField = mode == DecodeMode::QuestionOnly ? 5 : 9;
    const char* const begin = line.data();
    const char* const end = begin + line.size();
    const char* opened = nullptr;
    int fieldNumber = 1;
    // Only double quotes matter: jump from one to the next.
    for (const char* quote = begin; fieldNumber <= lastField; ++quote) {
        quote = static_cast<const char*>(std::memchr(quote, '"', std::size_t(end - quote)));
        if (!quote)
            break;
        if (!opened) {
            opened = quote;
            continue;
        }
        // Two adjacent quotes read as a text of one character: the closing
        // quote itself.
        const qsizetype length = quote - opened - 1;
        const QByteArrayView text =
            length > 0 ? QByteArrayView(opened + 1, length) : QByteArrayView(quote, 1);
        storeField(fieldNumber, text, record, questionField);
        ++fieldNumber;
        opened = nullptr;
    }
}

QByteArray EncodeQuestionLine(int book, int level, int correct, QByteArrayView reference,
                              QByteArrayView question, QByteArrayView answerA,
                              QByteArrayView answerB, QByteArrayView answerC,
                              QByteArrayView answerD)
{
    QByteArray line;
    line.reserve(64 + reference.size() + question.size() + answerA.size() + answerB.size() +
                 answerC.size() + answerD.size());
    line += "\"C";
    line += QByteArray::number(book + 1);
    line += "\",\"";
    line += QByteArray::number(level + 1);
    line += "\",\"";
    line += char(correct + 'A');
    line += "\",\"";
    if (IsBibleBook(book)) {
        line += BookAbbreviation(book);
        line += ' ';
    }
    line += reference;
    for (QByteArrayView text : {question, answerA, answerB, answerC, answerD}) {
        line += "\",\"";
        line += text;
    }
    line += '"';
    return line;
}

void ClearQuestionRecord(QuestionRecord& record)
{
    record = QuestionRecord();
}

int FirstDigitPos(QByteArrayView text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (isDigit(text[i]))
            return int(i + 1);
    }
    return 1;
}
