// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankCheck.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "RecordChecks.h"
#include "StoredTexts.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QHashFunctions>
#include <algorithm>
#include <optional>

namespace {

constexpr int ChoiceCount = 4;

// Whole texts: two questions alike in their first 90 characters only are
// no repeat while their lines hold the rest.
size_t hashOfTexts(const StoredTexts& t)
{
    return qHashMulti(0, t.text(StoredTexts::Question), t.text(StoredTexts::AnswerA),
                      t.text(StoredTexts::AnswerB), t.text(StoredTexts::AnswerC),
                      t.text(StoredTexts::AnswerD));
}

bool sameTexts(const StoredTexts& a, const StoredTexts& b)
{
    for (const auto field : {StoredTexts::Question, StoredTexts::AnswerA, StoredTexts::AnswerB,
                             StoredTexts::AnswerC, StoredTexts::AnswerD}) {
        if (a.text(field) != b.text(field))
            return false;
    }
    return true;
}

// The text between the line's first two double quotes, however long.
QByteArrayView firstField(QByteArrayView line)
{
    const auto open = std::find(line.begin(), line.end(), '"');
    const auto close = open == line.end() ? open : std::find(open + 1, line.end(), '"');
    return close == line.end() ? QByteArrayView() : QByteArrayView(open + 1, close);
}

} // namespace

BankCheck::BankCheck(const ValidationTable& table, bool validate)
    : m_table(table), m_validate(validate)
{
}

int BankCheck::checkList(const QuestionList& list, const Found& found, const Progress& progress)
{
    constexpr int ProgressStep = 4096;
    m_firstWithTexts.clear();
    m_firstWithTexts.reserve(std::size_t(list.count()));
    int withProblems = 0;
    for (int index = 0; index < list.count(); ++index) {
        if (progress && index % ProgressStep == 0 && !progress(index))
            break;
        bool problem = checkQuestion(index + 1, list.line(index), found);
        // A line without a question has been reported as such; it repeats
        // nothing.
        if (m_decoded && !m_record.Question.isEmpty()) {
            if (const int earlier = earlierWithSameTexts(list, index)) {
                found(
                    {index + 1,
                     QCoreApplication::translate("BankCheck", "same question as %1").arg(earlier)});
                problem = true;
            }
        }
        withProblems += problem ? 1 : 0;
    }
    return withProblems;
}

bool BankCheck::checkQuestion(int number, QByteArrayView line, const Found& found)
{
    bool any = false;
    const Found counted = [&](const Problem& problem) {
        any = true;
        found(problem);
    };
    // A cleared record for every line: a short line never shows the fields
    // of the line above it.
    ClearQuestionRecord(m_record);
    m_decoded = false;
    try {
        const int fields = DecodeQuestionLine(line, m_record, DecodeMode::Full);
        m_decoded = true;
        checkRecord(number, counted);
        checkStoredValues(number, line, fields, counted);
        const StoredTexts texts(line, m_record.Book);
        for (const StoredTexts::Field field : texts.overlong())
            counted({number, StoredTexts::problem(field, texts.text(field).size())});
    } catch (const QvedError& e) {
        counted({number, e.message()});
    }
    return any;
}

int BankCheck::earlierWithSameTexts(const QuestionList& list, int index)
{
    const StoredTexts texts(list.line(index), m_record.Book);
    const size_t hash = hashOfTexts(texts);
    const auto [from, to] = m_firstWithTexts.equal_range(hash);
    for (auto it = from; it != to; ++it) {
        // Only the question and the answers are compared, which do not
        // depend on the book.
        if (sameTexts(StoredTexts(list.line(it->second - 1), 0), texts))
            return it->second;
    }
    m_firstWithTexts.emplace(hash, index + 1);
    return 0;
}

void BankCheck::checkRecord(int number, const Found& found)
{
    PanelValues panel = PanelValuesOf(m_record);
    panel.validate = panel.validate && m_validate;
    CheckOutcome outcome;
    try {
        outcome = CheckRecord(panel, m_table);
    } catch (const QvedError& e) {
        // The editor stops at a reference it cannot read; the rest of the
        // checks still tell the author what else to fix.
        found({number, e.message()});
        panel.validate = false;
        outcome = CheckRecord(panel, m_table);
    }
    if (outcome.passed)
        return;
    const QStringView lines =
        QStringView(outcome.report).sliced(TranslatedCheckReportHeading().size());
    for (const QStringView problem : lines.tokenize(u"\r\n", Qt::SkipEmptyParts))
        found({number, problem.toString()});
}

void BankCheck::checkStoredValues(int number, QByteArrayView line, int fields, const Found& found)
{
    const QuestionRecord& r = m_record;
    const QByteArrayView code = r.CanonicalNbr.view();
    std::optional<qint32> bookNumber;
    // Decoding reads the book number from the field's first three characters
    // only (C123 files under book 12), so a longer field is read whole.
    if (code.size() == r.CanonicalNbr.capacity()) {
        const QByteArrayView field = firstField(line);
        if (field.size() > code.size())
            bookNumber = ParseInteger(QString::fromLatin1(field.sliced(1)));
    }
    // Book numbers 1 to 67 decode to 0 to 66. From 67 up the index may come
    // from 68, from a number above it or from one of 0 or below, so only
    // there the number itself is read again.
    if (!bookNumber && r.Book >= OtherBook)
        bookNumber = StrToInt(code.sliced(1));
    if (bookNumber && (*bookNumber < 1 || *bookNumber > BookCount))
        found({number, QCoreApplication::translate("BankCheck", "book number %1 is outside 1 to %2")
                           .arg(*bookNumber)
                           .arg(BookCount)});
    // A level or letter of -1 is "none" only where the line has no such
    // field.
    if ((r.Level < 0 || r.Level >= ChoiceCount) && (r.Level != -1 || fields >= 2))
        found({number, QCoreApplication::translate("BankCheck", "level %1 is outside 1 to 4")
                           .arg(r.Level + 1)});
    if ((r.Correct < 0 || r.Correct >= ChoiceCount) && (r.Correct != -1 || fields >= 3)) {
        const char letter = char(r.Correct + 'A');
        found({number,
               QCoreApplication::translate("BankCheck", "correct answer '%1' is outside A to D")
                   .arg(Windows1252::toUnicode(QByteArrayView(&letter, 1)))});
    }
}
