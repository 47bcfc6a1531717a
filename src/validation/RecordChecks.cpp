// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecordChecks.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "QuestionRecord.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#include <algorithm>

#include <QCoreApplication>

namespace {
const char* const HeadingText = QT_TRANSLATE_NOOP(
    "RecordChecks", "The following errors were encountered during error checking:\r\n");
}

const QString CheckReportHeading = QString::fromLatin1(HeadingText);

QString TranslatedCheckReportHeading()
{
    return QCoreApplication::translate("RecordChecks", HeadingText);
}

namespace {

constexpr qint32 SmallestCount = -32768;
// Items of the Level and Correct radio groups.
constexpr int ChoiceCount = 4;

// Counts are 16-bit, the typed numbers 32-bit: a number outside the 16-bit
// range never wraps around into a passing value.
bool exceeds(qint32 number, qint16 count)
{
    return number > count || number < SmallestCount;
}

bool checkChapter(int book, qint32 chapter, const ValidationTable& table, QString& report)
{
    if (!exceeds(chapter, table.ChapterCount(book)))
        return true;
    report += QCoreApplication::translate("RecordChecks", "%1 does not have a chapter %2\r\n")
                  .arg(QString::fromLatin1(BookAbbreviation(book)))
                  .arg(chapter);
    return false;
}

bool checkVerse(int book, qint32 chapter, qint32 verse, const ValidationTable& table,
                QString& report)
{
    // A chapter outside the book's row has had its own line; the verse
    // lookup never reads outside the row.
    const bool inRow = chapter >= 0 && chapter < ValidationTable::Columns;
    const bool fails = inRow ? exceeds(verse, table.VerseCount(book, chapter))
                             : verse < SmallestCount || verse > 32767;
    if (!fails)
        return true;
    report += QCoreApplication::translate("RecordChecks", "Invalid verse (%1)\r\n").arg(verse);
    return false;
}

bool holdsQuoteOrLineBreak(QStringView text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'"' || c == u'\r' || c == u'\n'; });
}

void reportUnstorable(const char* name, bool breaks, bool unencodable, QString& report)
{
    if (breaks)
        report += QCoreApplication::translate("RecordChecks",
                                              "%1 contains a double quote or a line break.\r\n")
                      .arg(QCoreApplication::translate("RecordChecks", name));
    if (unencodable)
        report +=
            QCoreApplication::translate(
                "RecordChecks", "%1 contains a character that a question file cannot hold.\r\n")
                .arg(QCoreApplication::translate("RecordChecks", name));
}

void checkStorable(QStringView text, const char* name, QString& report, bool& passed)
{
    const bool breaks = holdsQuoteOrLineBreak(text);
    const bool unencodable = Windows1252::firstUnencodable(text) >= 0;
    if (breaks || unencodable) {
        reportUnstorable(name, breaks, unencodable, report);
        passed = false;
    }
}

bool validateReference(QStringView reference, int book, const ValidationTable& table,
                       QString& report)
{
    if (reference.isEmpty())
        return false;
    if (book < 0 || !IsBibleBook(book))
        return true;

    const qsizetype colon = reference.indexOf(u':');
    const qsizetype hyphen = reference.indexOf(u'-');
    // Every piece is converted before anything is compared.
    if (colon < 0 && hyphen < 0)
        return checkChapter(book, StrToInt(reference), table, report);
    if (colon < 0) {
        const qint32 first = StrToInt(reference.first(hyphen));
        const qint32 second = StrToInt(reference.sliced(hyphen + 1));
        const bool firstOk = checkChapter(book, first, table, report);
        const bool secondOk = checkChapter(book, second, table, report);
        return firstOk && secondOk;
    }
    const qint32 chapter = StrToInt(reference.first(colon));
    if (hyphen < 0) {
        const qint32 verse = StrToInt(reference.sliced(colon + 1));
        const bool chapterOk = checkChapter(book, chapter, table, report);
        const bool verseOk = checkVerse(book, chapter, verse, table, report);
        return chapterOk && verseOk;
    }
    // A hyphen before the colon leaves the first verse piece empty.
    const QStringView firstPiece =
        hyphen > colon ? reference.sliced(colon + 1, hyphen - colon - 1) : QStringView();
    const qint32 firstVerse = StrToInt(firstPiece);
    const qint32 lastVerse = StrToInt(reference.sliced(hyphen + 1));
    const bool chapterOk = checkChapter(book, chapter, table, report);
    const bool firstOk = checkVerse(book, chapter, firstVerse, table, report);
    const bool lastOk = checkVerse(book, chapter, lastVerse, table, report);
    return chapterOk && firstOk && lastOk;
}

} // namespace

PanelValues PanelValuesOf(const QuestionRecord& record)
{
    auto choice = [](int value) { return std::clamp(value, -1, ChoiceCount - 1); };
    PanelValues panel;
    panel.book = record.Book >= 0 && record.Book < BookCount ? record.Book : -1;
    panel.validate = IsBibleBook(record.Book);
    panel.level = choice(record.Level);
    panel.correct = choice(record.Correct);
    panel.reference = Windows1252::toUnicode(record.Reference.view());
    panel.question = Windows1252::toUnicode(record.Question.view());
    panel.answerA = Windows1252::toUnicode(record.AnswerA.view());
    panel.answerB = Windows1252::toUnicode(record.AnswerB.view());
    panel.answerC = Windows1252::toUnicode(record.AnswerC.view());
    panel.answerD = Windows1252::toUnicode(record.AnswerD.view());
    return panel;
}

bool ValidateReference(const QString& reference, int book, const ValidationTable& table,
                       QString& report)
{
    return validateReference(reference, book, table, report);
}

CheckOutcome CheckRecord(const PanelValues& panel, const ValidationTable& table)
{
    CheckOutcome outcome;
    outcome.report = TranslatedCheckReportHeading();
    QString& report = outcome.report;
    bool passed = true;
    if (panel.validate && table.ValidationTableLoaded())
        passed = validateReference(panel.reference, panel.book, table, report);

    auto require = [&](bool present, const char* line) {
        if (!present) {
            report += QCoreApplication::translate("RecordChecks", line);
            passed = false;
        }
    };
    require(panel.book >= 0,
            QT_TRANSLATE_NOOP("RecordChecks", "Reference book not specified.\r\n"));
    require(!panel.reference.isEmpty(),
            QT_TRANSLATE_NOOP("RecordChecks", "Reference location not specified.\r\n"));
    require(panel.level >= 0,
            QT_TRANSLATE_NOOP("RecordChecks", "Difficulty level not specified.\r\n"));
    require(panel.correct >= 0,
            QT_TRANSLATE_NOOP("RecordChecks", "Correct answer not specified.\r\n"));
    require(!panel.question.isEmpty(),
            QT_TRANSLATE_NOOP("RecordChecks", "The question is empty.\r\n"));
    require(!panel.answerA.isEmpty(), QT_TRANSLATE_NOOP("RecordChecks", "Answer A is empty.\r\n"));
    require(!panel.answerB.isEmpty(), QT_TRANSLATE_NOOP("RecordChecks", "Answer B is empty.\r\n"));
    require(!panel.answerC.isEmpty(), QT_TRANSLATE_NOOP("RecordChecks", "Answer C is empty.\r\n"));
    require(!panel.answerD.isEmpty(), QT_TRANSLATE_NOOP("RecordChecks", "Answer D is empty.\r\n"));

    checkStorable(panel.reference, QT_TRANSLATE_NOOP("RecordChecks", "The reference"), report,
                  passed);
    checkStorable(panel.question, QT_TRANSLATE_NOOP("RecordChecks", "The question"), report,
                  passed);
    checkStorable(panel.answerA, QT_TRANSLATE_NOOP("RecordChecks", "Answer A"), report, passed);
    checkStorable(panel.answerB, QT_TRANSLATE_NOOP("RecordChecks", "Answer B"), report, passed);
    checkStorable(panel.answerC, QT_TRANSLATE_NOOP("RecordChecks", "Answer C"), report, passed);
    checkStorable(panel.answerD, QT_TRANSLATE_NOOP("RecordChecks", "Answer D"), report, passed);

    outcome.passed = passed;
    return outcome;
}
