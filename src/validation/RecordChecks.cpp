#include "RecordChecks.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "LoadWord.h"
#include "Utf16Scan.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Whether the text holds a double quote or a line break, tested several
// characters at a time: every text of a checked file passes here.
bool holdsQuoteOrLineBreak(QStringView text)
{
    return !Utf16Scan::isPlainText(text) && Utf16Scan::containsAnyOf(text, u'"', u'\r', u'\n');
}

// Whether any byte of the word is a double quote, a carriage return or a
// line feed; exact either way.
template <typename Word> bool wordHoldsQuoteOrLineBreak(Word word)
{
    constexpr Word ones = Word(0x0101010101010101);
    constexpr Word highs = Word(0x8080808080808080);
    auto zeros = [](Word w) { return (w - ones) & ~w & highs; };
    return (zeros(word ^ (ones * '"')) | zeros(word ^ (ones * '\r')) |
            zeros(word ^ (ones * '\n'))) != 0;
}

// Whole words at a time, the last one overlapping the one before rather
// than a byte at a time for the tail.
template <typename Word> bool wordsHoldQuoteOrLineBreak(const char* text, qsizetype size)
{
    constexpr qsizetype step = sizeof(Word);
    for (qsizetype i = 0; i + step < size; i += step) {
        if (wordHoldsQuoteOrLineBreak(LoadWord<Word>(text + i)))
            return true;
    }
    return wordHoldsQuoteOrLineBreak(LoadWord<Word>(text + size - step));
}

// A text of 4 to 15 bytes as four 4-byte pieces, each moved back to end
// within the text where it would pass it: no branch on the length, whose
// changes from one text to the next the processor cannot foresee.
bool shortHoldsQuoteOrLineBreak(const char* text, qsizetype size)
{
    const qsizetype last = size - 4;
    const quint64 front = LoadWord<quint32>(text) |
                          quint64(LoadWord<quint32>(text + std::min<qsizetype>(4, last))) << 32;
    const quint64 back = LoadWord<quint32>(text + std::min<qsizetype>(8, last)) |
                         quint64(LoadWord<quint32>(text + last)) << 32;
    return wordHoldsQuoteOrLineBreak(front) | wordHoldsQuoteOrLineBreak(back);
}

#if defined(__SSE2__)
__m128i quotesAndLineBreaks(const char* at)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    return _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')),
                                     _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r'))),
                        _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
}
#endif

bool holdsQuoteOrLineBreak(QByteArrayView text)
{
    const char* const data = text.data();
    const qsizetype size = text.size();
#if defined(__SSE2__)
    // A field of up to 96 bytes as six blocks of sixteen, each moved back to
    // end within the text where it would pass it: again no branch on the
    // length.
    constexpr qsizetype fieldMost = 96;
    if (size >= 16 && size <= fieldMost) {
        __m128i found = _mm_setzero_si128();
        for (qsizetype block = 0; block < fieldMost; block += 16)
            found = _mm_or_si128(found, quotesAndLineBreaks(data + std::min(block, size - 16)));
        return _mm_movemask_epi8(found) != 0;
    }
    if (size > fieldMost) {
        for (qsizetype i = 0; i + 16 < size; i += 16) {
            if (_mm_movemask_epi8(quotesAndLineBreaks(data + i)))
                return true;
        }
        return _mm_movemask_epi8(quotesAndLineBreaks(data + size - 16)) != 0;
    }
#else
    if (size >= 16)
        return wordsHoldQuoteOrLineBreak<quint64>(data, size);
#endif
    if (size >= 4)
        return shortHoldsQuoteOrLineBreak(data, size);
    bool found = false;
    for (qsizetype i = 0; i < size; ++i)
        found |= (data[i] == '"') | (data[i] == '\r') | (data[i] == '\n');
    return found;
}

bool holdsUnencodable(QStringView text)
{
    return Windows1252::firstUnencodable(text) >= 0;
}

bool holdsUnencodable(QByteArrayView)
{
    return false;
}

void reportUnstorable(const char* name, bool breaks, bool unencodable, QString& report)
{
    if (breaks)
        report += QStringLiteral("%1 contains a double quote or a line break.\r\n")
                      .arg(QLatin1StringView(name));
    if (unencodable)
        report += QStringLiteral("%1 contains a character that a question file cannot hold.\r\n")
                      .arg(QLatin1StringView(name));
}

template <typename Text>
void checkStorable(Text text, const char* name, QString& report, bool& passed)
{
    const bool breaks = holdsQuoteOrLineBreak(text);
    const bool unencodable = holdsUnencodable(text);
    // Kept apart, so the check of a text that passes stays small.
    if (Q_UNLIKELY(breaks || unencodable)) {
        reportUnstorable(name, breaks, unencodable, report);
        passed = false;
    }
}

qsizetype find(QStringView text, char c)
{
    return text.indexOf(QLatin1Char(c));
}

qsizetype find(QByteArrayView text, char c)
{
    return text.indexOf(c);
}

// Text is QStringView or QByteArrayView.
template <typename Text>
bool validateReference(Text reference, int book, const ValidationTable& table, QString& report)
{
    if (reference.isEmpty())
        return false;
    if (book < 0 || !IsBibleBook(book))
        return true;

    const qsizetype colon = find(reference, ':');
    const qsizetype hyphen = find(reference, '-');
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
    const Text firstPiece =
        hyphen > colon ? reference.sliced(colon + 1, hyphen - colon - 1) : Text();
    const qint32 firstVerse = StrToInt(firstPiece);
    const qint32 lastVerse = StrToInt(reference.sliced(hyphen + 1));
    const bool chapterOk = checkChapter(book, chapter, table, report);
    const bool firstOk = checkVerse(book, chapter, firstVerse, table, report);
    const bool lastOk = checkVerse(book, chapter, lastVerse, table, report);
    return chapterOk && firstOk && lastOk;
}

template <typename Text, typename View>
CheckOutcome checkRecord(const BasicPanelValues<Text>& panel, const ValidationTable& table)
{
    CheckOutcome outcome;
    outcome.report = CheckReportHeading;
    QString& report = outcome.report;
    bool passed = true;
    if (panel.validate && table.ValidationTableLoaded())
        passed = validateReference(View(panel.reference), panel.book, table, report);

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

    checkStorable(View(panel.reference), "The reference", report, passed);
    checkStorable(View(panel.question), "The question", report, passed);
    checkStorable(View(panel.answerA), "Answer A", report, passed);
    checkStorable(View(panel.answerB), "Answer B", report, passed);
    checkStorable(View(panel.answerC), "Answer C", report, passed);
    checkStorable(View(panel.answerD), "Answer D", report, passed);

    outcome.passed = passed;
    return outcome;
}

} // namespace

bool ValidateReference(const QString& reference, int book, const ValidationTable& table,
                       QString& report)
{
    return validateReference(QStringView(reference), book, table, report);
}

CheckOutcome CheckRecord(const PanelValues& panel, const ValidationTable& table)
{
    return checkRecord<QString, QStringView>(panel, table);
}

CheckOutcome CheckRecord(const PanelBytes& panel, const ValidationTable& table)
{
    return checkRecord<QByteArrayView, QByteArrayView>(panel, table);
}
