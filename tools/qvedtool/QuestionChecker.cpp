#include "QuestionChecker.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "RecordChecks.h"
#include "Windows1252.h"

#include <QHashFunctions>
#include <algorithm>
#include <optional>

namespace {

constexpr int ChoiceCount = 4;

size_t hashOfTexts(const QuestionRecord& r)
{
    return qHashMulti(0, r.Question.view(), r.AnswerA.view(), r.AnswerB.view(), r.AnswerC.view(),
                      r.AnswerD.view());
}

// The text between the line's first two double quotes, however long.
QByteArrayView firstField(QByteArrayView line)
{
    const auto open = std::find(line.begin(), line.end(), '"');
    const auto close = open == line.end() ? open : std::find(open + 1, line.end(), '"');
    return close == line.end() ? QByteArrayView() : QByteArrayView(open + 1, close);
}

} // namespace

QuestionChecker::QuestionChecker(const ValidationTable& table, bool validate)
    : m_table(table), m_validate(validate)
{
}

QuestionChecker::Checked QuestionChecker::check(int number, QByteArrayView line, QByteArray& out)
{
    Checked checked;
    m_found = false;
    // A cleared record for every line: a short line never shows the fields
    // of the line above it.
    ClearQuestionRecord(m_record);
    try {
        const int fields = DecodeQuestionLine(line, m_record, DecodeMode::Full);
        checkRecord(number, out);
        checkStoredValues(number, line, fields, out);
        // A line without a question has been reported as such; it repeats
        // nothing.
        checked.hasQuestion = !m_record.Question.isEmpty();
        checked.textHash = hashOfTexts(m_record);
    } catch (const QvedError& e) {
        report(number, e.message(), out);
    }
    checked.hasProblem = m_found;
    return checked;
}

void QuestionChecker::checkRecord(int number, QByteArray& out)
{
    PanelValues panel = PanelValuesOf(m_record);
    panel.validate = panel.validate && m_validate;
    CheckOutcome outcome;
    try {
        outcome = CheckRecord(panel, m_table);
    } catch (const QvedError& e) {
        // The editor stops at a reference it cannot read; the rest of the
        // checks still tell the author what else to fix.
        report(number, e.message(), out);
        panel.validate = false;
        outcome = CheckRecord(panel, m_table);
    }
    if (outcome.passed)
        return;
    const QStringView lines = QStringView(outcome.report).sliced(CheckReportHeading.size());
    for (const QStringView problem : lines.tokenize(u"\r\n", Qt::SkipEmptyParts))
        report(number, problem, out);
}

void QuestionChecker::checkStoredValues(int number, QByteArrayView line, int fields,
                                        QByteArray& out)
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
        report(number,
               QStringLiteral("book number %1 is outside 1 to %2").arg(*bookNumber).arg(BookCount),
               out);
    // A level or letter of -1 is "none" only where the line has no such
    // field.
    if ((r.Level < 0 || r.Level >= ChoiceCount) && (r.Level != -1 || fields >= 2))
        report(number, QStringLiteral("level %1 is outside 1 to 4").arg(r.Level + 1), out);
    if ((r.Correct < 0 || r.Correct >= ChoiceCount) && (r.Correct != -1 || fields >= 3)) {
        const char letter = char(r.Correct + 'A');
        report(number,
               QStringLiteral("correct answer '%1' is outside A to D")
                   .arg(Windows1252::toUnicode(QByteArrayView(&letter, 1))),
               out);
    }
}

bool QuestionChecker::sameTexts(QByteArrayView line, QByteArrayView other)
{
    QuestionRecord a;
    QuestionRecord b;
    DecodeQuestionLine(line, a, DecodeMode::Full);
    DecodeQuestionLine(other, b, DecodeMode::Full);
    return a.Question == b.Question && a.AnswerA == b.AnswerA && a.AnswerB == b.AnswerB &&
           a.AnswerC == b.AnswerC && a.AnswerD == b.AnswerD;
}

void QuestionChecker::report(int number, QStringView problem, QByteArray& out)
{
    m_found = true;
    out.append(QByteArray::number(number)).append(": ").append(problem.toUtf8()).append('\n');
}
