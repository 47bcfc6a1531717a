// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionLineCodec.h"

#include "BookTable.h"
#include "ForEachQuestionField.h"
#include "IntegerConversion.h"

namespace {

char upperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

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

int DecodeQuestionLine(QByteArrayView line, QuestionRecord& record, DecodeMode mode,
                       QByteArrayView* questionField)
{
    const int lastField = mode == DecodeMode::QuestionOnly ? 5 : 9;
    return ForEachQuestionField(line, lastField, [&](int number, QByteArrayView text) {
        // Two adjacent quotes read as a text of one character: the closing
        // quote itself.
        if (text.isEmpty())
            text = QByteArrayView(text.data(), 1);
        storeField(number, text, record, questionField);
    });
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
    // Field by field: only the lengths of the texts need resetting.
    record.CanonicalNbr.clear();
    record.Level = -1;
    record.Correct = -1;
    record.Reference.clear();
    record.Question.clear();
    record.AnswerA.clear();
    record.AnswerB.clear();
    record.AnswerC.clear();
    record.AnswerD.clear();
    record.Book = -1;
}
