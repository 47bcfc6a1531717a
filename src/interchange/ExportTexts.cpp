// SPDX-License-Identifier: GPL-2.0-or-later
#include "ExportTexts.h"

#include "BookTable.h"
#include "QuestionRecord.h"
#include "Windows1252.h"

namespace {

constexpr const char* levelNames[] = {"Single", "Double", "Triple", "Home Run"};

} // namespace

QString ExportTexts::text(QByteArrayView bytes)
{
    return Windows1252::toUnicode(bytes);
}

QString ExportTexts::question(const QuestionRecord& record)
{
    return text(record.Question.view());
}

QString ExportTexts::answer(const QuestionRecord& record, int index)
{
    switch (index) {
    case 0:
        return text(record.AnswerA.view());
    case 1:
        return text(record.AnswerB.view());
    case 2:
        return text(record.AnswerC.view());
    default:
        return text(record.AnswerD.view());
    }
}

QString ExportTexts::book(const QuestionRecord& record)
{
    if (record.Book < 0 || record.Book >= BookCount)
        return {};
    return QString::fromLatin1(BookAbbreviation(record.Book));
}

QString ExportTexts::level(const QuestionRecord& record)
{
    return levelName(record.Level);
}

QString ExportTexts::letter(const QuestionRecord& record)
{
    if (record.Correct < 0 || record.Correct > 3)
        return {};
    return QString(QChar(u'A' + record.Correct));
}

QString ExportTexts::reference(const QuestionRecord& record)
{
    const QString place = text(record.Reference.view());
    if (record.Book < 0 || !IsBibleBook(record.Book))
        return place;
    return book(record) + u' ' + place;
}

int ExportTexts::levelOf(QStringView text)
{
    text = text.trimmed();
    if (text.size() == 1 && text[0] >= u'1' && text[0] <= u'4')
        return text[0].unicode() - u'1';
    QString folded;
    for (const QChar c : text) {
        if (c.isLetter())
            folded += c.toLower();
    }
    for (int level = 0; level < 4; ++level) {
        if (folded == QString::fromLatin1(levelNames[level]).remove(u' ').toLower())
            return level;
    }
    return -1;
}

QString ExportTexts::levelName(int level)
{
    return level >= 0 && level < 4 ? QString::fromLatin1(levelNames[level]) : QString();
}
