// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionFields.h"

#include "BookTable.h"
#include "ForEachQuestionField.h"
#include "IntegerConversion.h"

namespace {

// Also the keys of qvedtool's JSON; the windows show them translated.
const char* const Names[QuestionFields::Count] = {QT_TRANSLATE_NOOP("QuestionFields", "Book"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "Level"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "Correct"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "Reference"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "Question"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "AnswerA"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "AnswerB"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "AnswerC"),
                                                  QT_TRANSLATE_NOOP("QuestionFields", "AnswerD")};
const char* const Levels[] = {"Single", "Double", "Triple", "Home Run"};

// The number a field holds, or -1.
int numberIn(QByteArrayView text)
{
    return ParseInteger(QString::fromLatin1(text)).value_or(-1);
}

} // namespace

QuestionFields QuestionFields::fromLine(QByteArrayView line)
{
    QuestionFields fields;
    fields.found = ForEachQuestionField(line, Count, [&](int number, QByteArrayView text) {
        fields.texts[number - 1] = text.toByteArray();
    });
    return fields;
}

QByteArray QuestionFields::toLine() const
{
    QByteArray line;
    for (int field = 0; field < found; ++field) {
        if (field > 0)
            line += ',';
        line += '"';
        line += texts[field];
        line += '"';
    }
    return line;
}

QByteArrayView QuestionFields::rightAnswer() const
{
    const QByteArray& letter = texts[Correct];
    if (letter.size() != 1)
        return {};
    const int index = (letter[0] & ~0x20) - 'A';
    return index >= 0 && index < 4 ? QByteArrayView(texts[AnswerA + index]) : QByteArrayView();
}

const char* QuestionFields::name(int field)
{
    return Names[field];
}

QByteArray QuestionFields::shown(int field) const
{
    const QByteArray& text = texts[field];
    if (field == Book && text.size() > 1) {
        const int book = numberIn(QByteArrayView(text).sliced(1)) - 1;
        if (book >= 0 && book < BookCount)
            return BookAbbreviation(book).toByteArray();
    }
    if (field == Level) {
        const int level = numberIn(text) - 1;
        if (level >= 0 && level < 4)
            return Levels[level];
    }
    return text;
}
