// SPDX-License-Identifier: GPL-2.0-or-later
#include "ImportRowChecker.h"

#include "BookNames.h"
#include "BookTable.h"
#include "ExportTexts.h"
#include "ImportText.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "RecordChecks.h"
#include "ReferenceFinder.h"
#include "Windows1252.h"

#include <QCoreApplication>

namespace {

constexpr qsizetype MostTextLength = 90;
constexpr qsizetype MostReferenceLength = 25;

QString fieldName(int field)
{
    switch (field) {
    case 0:
        return QCoreApplication::translate("Interchange", "the question");
    case 1:
        return QCoreApplication::translate("Interchange", "answer A");
    case 2:
        return QCoreApplication::translate("Interchange", "answer B");
    case 3:
        return QCoreApplication::translate("Interchange", "answer C");
    default:
        return QCoreApplication::translate("Interchange", "answer D");
    }
}

// The right answer's index from a letter, a number or an answer's text;
// -1 with the reason when it names none or several.
int correctIndex(QStringView given, const QStringList& answers, QString* reason)
{
    const QStringView text = given.trimmed();
    if (text.isEmpty()) {
        *reason = QCoreApplication::translate("Interchange", "no right answer is given");
        return -1;
    }
    if (text.size() == 1) {
        const char16_t c = text[0].toUpper().unicode();
        if (c >= u'A' && c <= u'D')
            return c - u'A';
        if (c >= u'1' && c <= u'4')
            return c - u'1';
    }
    int found = -1;
    int matches = 0;
    for (int index = 0; index < answers.size(); ++index) {
        if (answers[index].trimmed().compare(text, Qt::CaseInsensitive) == 0) {
            found = index;
            ++matches;
        }
    }
    if (matches == 1)
        return found;
    *reason =
        matches == 0
            ? QCoreApplication::translate("Interchange",
                                          "the right answer \u201C%1\u201D is none of the answers")
                  .arg(text.toString())
            : QCoreApplication::translate(
                  "Interchange", "the right answer \u201C%1\u201D is more than one of the answers")
                  .arg(text.toString());
    return -1;
}

// The check report's lines without its heading.
QStringList reportLines(const QString& report)
{
    QStringList lines = report.sliced(TranslatedCheckReportHeading().size())
                            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    for (QString& line : lines) {
        if (line.endsWith(u'.'))
            line.chop(1);
    }
    return lines;
}

} // namespace

ImportRowChecker::ImportRowChecker(const ValidationTable& table, ImportDefaults defaults)
    : m_table(table), m_defaults(defaults)
{
}

ImportedQuestion ImportRowChecker::check(const ImportRow& row) const
{
    ImportedQuestion result;
    result.place = row.place;
    QStringList reasons;
    QStringList notes;

    if (row.answers.size() != 4)
        reasons.append(QCoreApplication::translate(
                           "Interchange", "a question needs exactly four answers; it has %1")
                           .arg(row.answers.size()));

    // The book, chapter and verse: the reference column first, then
    // chapter and verse apart, then the hints, then the question's text.
    int book = -1;
    QString place;
    int level = ExportTexts::levelOf(row.level);
    if (!row.level.trimmed().isEmpty() && level < 0)
        reasons.append(QCoreApplication::translate(
                           "Interchange",
                           "the level \u201C%1\u201D is none of Single, Double, Triple, Home Run "
                           "or 1-4")
                           .arg(row.level.trimmed()));
    // A book given apart wins; the catechism's and general references are
    // free text, kept whole.
    const QString bookText = row.book.trimmed();
    if (!bookText.isEmpty()) {
        book = BookNames::indexOf(bookText);
        if (book < 0)
            reasons.append(QCoreApplication::translate(
                               "Interchange", "the book \u201C%1\u201D is not one the editor knows")
                               .arg(bookText));
    }
    const QString reference = row.reference.trimmed();
    if (!reference.isEmpty()) {
        const auto parsed =
            book >= 0 && !IsBibleBook(book) ? std::nullopt : ReferenceFinder::parse(reference);
        place = parsed ? parsed->place : reference;
        if (parsed && book < 0)
            book = parsed->book;
    } else if (!row.chapter.trimmed().isEmpty()) {
        place = row.chapter.trimmed();
        if (!row.verse.trimmed().isEmpty())
            place += u':' + row.verse.trimmed();
    }
    for (const QString& hint : row.hints) {
        if (place.isEmpty()) {
            if (const auto parsed = ReferenceFinder::parse(hint); parsed && parsed->book >= 0) {
                book = parsed->book;
                place = parsed->place;
                continue;
            }
            if (const auto found = ReferenceFinder::find(hint)) {
                book = book < 0 ? found->book : book;
                place = found->place;
            }
        }
        // A category path names its book and level apart: "Quiz/Gen./Single".
        for (const QString& part : hint.split(u'/')) {
            if (book < 0)
                book = BookNames::indexOf(part);
            if (level < 0)
                level = ExportTexts::levelOf(part);
        }
    }

    QString texts[5];
    texts[0] = row.question;
    for (int index = 0; index < 4; ++index)
        texts[index + 1] = row.answers.value(index);
    if (place.isEmpty()) {
        if (const auto found = ReferenceFinder::find(texts[0])) {
            book = found->book;
            place = found->place;
            if (found->bracketed) {
                notes.append(
                    QCoreApplication::translate(
                        "Interchange", "the reference \u201C%1\u201D was taken out of the question")
                        .arg(texts[0].sliced(found->start, found->end - found->start)));
                texts[0].remove(found->start, found->end - found->start);
                texts[0] = texts[0].trimmed();
            }
        }
    }
    if (book < 0)
        book = m_defaults.book;
    if (level < 0)
        level = m_defaults.level;

    for (int field = 0; field < 5; ++field) {
        if (field > 0 && field > row.answers.size())
            break;
        const QString name = fieldName(field);
        texts[field] = ImportText::repaired(texts[field], name, &notes);
        QString refusal;
        if (!ImportText::fitCodePage(texts[field], name, m_defaults.replaceUnsupported, &notes,
                                     &refusal))
            reasons.append(refusal);
        else if (texts[field].size() > MostTextLength)
            reasons.append(QCoreApplication::translate(
                               "Interchange", "%1 is %2 characters long; a question file holds %3")
                               .arg(name)
                               .arg(texts[field].size())
                               .arg(MostTextLength));
    }
    if (place.size() > MostReferenceLength)
        reasons.append(QCoreApplication::translate(
                           "Interchange",
                           "the reference \u201C%1\u201D is %2 characters long; a question file "
                           "holds %3")
                           .arg(place)
                           .arg(place.size())
                           .arg(MostReferenceLength));

    QString correctReason;
    const QStringList answers{texts[1], texts[2], texts[3], texts[4]};
    const int correct = correctIndex(row.correct, answers, &correctReason);
    if (correct < 0)
        reasons.append(correctReason);

    if (reasons.isEmpty()) {
        PanelValues panel;
        panel.book = book;
        panel.reference = place;
        panel.validate = book >= 0 && IsBibleBook(book);
        panel.level = level;
        panel.correct = correct;
        panel.question = texts[0];
        panel.answerA = texts[1];
        panel.answerB = texts[2];
        panel.answerC = texts[3];
        panel.answerD = texts[4];
        try {
            const CheckOutcome outcome = CheckRecord(panel, m_table);
            if (!outcome.passed)
                reasons += reportLines(outcome.report);
        } catch (const QvedError& error) {
            reasons.append(
                QCoreApplication::translate("Interchange", "the reference \u201C%1\u201D: %2")
                    .arg(place, error.message()));
        }
    }

    if (!reasons.isEmpty()) {
        result.status = ImportStatus::Refused;
        result.notes = reasons;
        return result;
    }
    result.line = EncodeQuestionLine(
        book, level, correct, Windows1252::fromUnicode(place), Windows1252::fromUnicode(texts[0]),
        Windows1252::fromUnicode(texts[1]), Windows1252::fromUnicode(texts[2]),
        Windows1252::fromUnicode(texts[3]), Windows1252::fromUnicode(texts[4]));
    result.status = notes.isEmpty() ? ImportStatus::Ready : ImportStatus::Changed;
    result.notes = notes;
    return result;
}
