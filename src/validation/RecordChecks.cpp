#include "RecordChecks.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#include <vector>

const QString CheckReportHeading =
    QStringLiteral("The following errors were encountered during error checking:\r\n");

namespace {

constexpr qint32 SmallestCount = -32768;

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
    report += QStringLiteral("%1 does not have a chapter %2\r\n")
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
    report += QStringLiteral("Invalid verse (%1)\r\n").arg(verse);
    return false;
}

void checkStorable(const QString& text, const QString& name, QString& report, bool& passed)
{
    if (text.contains(u'"') || text.contains(u'\r') || text.contains(u'\n')) {
        report += QStringLiteral("%1 contains a double quote or a line break.\r\n").arg(name);
        passed = false;
    }
    if (Windows1252::firstUnencodable(text) >= 0) {
        report +=
            QStringLiteral("%1 contains a character that a question file cannot hold.\r\n").arg(name);
        passed = false;
    }
}

} // namespace

bool ValidateReference(const QString& reference, int book, const ValidationTable& table,
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
        const qint32 first = StrToInt(QStringView(reference).left(hyphen));
        const qint32 second = StrToInt(QStringView(reference).mid(hyphen + 1));
        const bool firstOk = checkChapter(book, first, table, report);
        const bool secondOk = checkChapter(book, second, table, report);
        return firstOk && secondOk;
    }
    const qint32 chapter = StrToInt(QStringView(reference).left(colon));
    if (hyphen < 0) {
        const qint32 verse = StrToInt(QStringView(reference).mid(colon + 1));
        const bool chapterOk = checkChapter(book, chapter, table, report);
        const bool verseOk = checkVerse(book, chapter, verse, table, report);
        return chapterOk && verseOk;
    }
    // A hyphen before the colon leaves the first verse piece empty.
    const QStringView firstPiece =
        hyphen > colon ? QStringView(reference).mid(colon + 1, hyphen - colon - 1) : QStringView();
    const qint32 firstVerse = StrToInt(firstPiece);
    const qint32 lastVerse = StrToInt(QStringView(reference).mid(hyphen + 1));
    const bool chapterOk = checkChapter(book, chapter, table, report);
    const bool firstOk = checkVerse(book, chapter, firstVerse, table, report);
    const bool lastOk = checkVerse(book, chapter, lastVerse, table, report);
    return chapterOk && firstOk && lastOk;
}

CheckOutcome CheckRecord(const PanelValues& panel, const ValidationTable& table)
{
    CheckOutcome outcome;
    outcome.report = CheckReportHeading;
    QString& report = outcome.report;
    bool passed = true;
    if (panel.validate && table.ValidationTableLoaded())
        passed = ValidateReference(panel.reference, panel.book, table, report);

    auto require = [&](bool present, const char* line) {
        if (!present) {
            report += QString::fromLatin1(line);
            passed = false;
        }
    };
    require(panel.book >= 0, "Reference book not specified.\r\n");
    require(!panel.reference.isEmpty(), "Reference location not specified.\r\n");
    require(panel.level >= 0, "Difficulty level not specified.\r\n");
    require(panel.correct >= 0, "Correct answer not specified.\r\n");
    require(!panel.question.isEmpty(), "The question is empty.\r\n");
    require(!panel.answerA.isEmpty(), "Answer A is empty.\r\n");
    require(!panel.answerB.isEmpty(), "Answer B is empty.\r\n");
    require(!panel.answerC.isEmpty(), "Answer C is empty.\r\n");
    require(!panel.answerD.isEmpty(), "Answer D is empty.\r\n");

    checkStorable(panel.reference, QStringLiteral("The reference"), report, passed);
    checkStorable(panel.question, QStringLiteral("The question"), report, passed);
    checkStorable(panel.answerA, QStringLiteral("Answer A"), report, passed);
    checkStorable(panel.answerB, QStringLiteral("Answer B"), report, passed);
    checkStorable(panel.answerC, QStringLiteral("Answer C"), report, passed);
    checkStorable(panel.answerD, QStringLiteral("Answer D"), report, passed);

    outcome.passed = passed;
    return outcome;
}
