#include "QuestionChecker.h"

#include "BookTable.h"
#include "IntegerConversion.h"
#include "LoadWord.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "Utf8Output.h"
#include "Windows1252.h"

#include <algorithm>
#include <optional>

namespace {

// The radio groups of the panel: a value beyond the last item shows the last
// item, a negative one none.
int choiceIndex(int value, int items)
{
    if (value >= items)
        return items - 1;
    return value < 0 ? -1 : value;
}

constexpr int ChoiceCount = 4;
// A level or letter value that decoding never leaves where a field was read
// over a value of -1.
constexpr qint16 Unread = -2;

// The hash of a list of words: each word is mixed with its position on its
// own and the results summed, so the multiplications do not wait for one
// another. A hash that matches by chance is ruled out on the texts.
class WordHash
{
public:
    void add(quint64 word)
    {
        const quint64 mixed = (word ^ (++m_position * 0x9E3779B97F4A7C15)) * 0xBF58476D1CE4E5B9;
        m_sum += mixed ^ (mixed >> 31);
    }
    // The sum's bits spread over the high half, where the index takes its
    // tag from.
    quint64 value() const
    {
        quint64 hash = m_sum ^ (m_sum >> 33);
        hash *= 0xFF51AFD7ED558CCD;
        return hash ^ (hash >> 33);
    }

private:
    quint64 m_position = 0;
    quint64 m_sum = 0;
};

// Every byte of the text once or twice, whole words at a time, the last
// word overlapping the one before; the length first tells apart texts whose
// words would otherwise agree.
void addText(WordHash& hash, QByteArrayView text)
{
    const char* const data = text.data();
    const qsizetype size = text.size();
    hash.add(quint64(size));
    if (size >= 8) {
        for (qsizetype i = 0; i + 8 < size; i += 8)
            hash.add(LoadWord<quint64>(data + i));
        hash.add(LoadWord<quint64>(data + size - 8));
    } else if (size >= 4) {
        hash.add(LoadWord<quint32>(data) | quint64(LoadWord<quint32>(data + size - 4)) << 32);
    } else if (size > 0) {
        hash.add(uchar(data[0]) | uchar(data[size / 2]) << 8 | uchar(data[size - 1]) << 16);
    }
}

// The hash of the question and four answers, straight from the record.
quint64 hashOfTexts(const QuestionRecord& r)
{
    WordHash hash;
    for (const QByteArrayView text : {r.Question.view(), r.AnswerA.view(), r.AnswerB.view(),
                                      r.AnswerC.view(), r.AnswerD.view()})
        addText(hash, text);
    return hash.value();
}

} // namespace

QuestionChecker::QuestionChecker(const ValidationTable& table, bool validate)
    : m_table(table), m_validate(validate)
{
}

void QuestionChecker::checkChunk(const QuestionFileChunks::Chunk& chunk, Block& block)
{
    block.text.clear();
    block.questions.clear();
    for (int i = 0; i < chunk.count(); ++i)
        block.questions.push_back(
            checkQuestion(chunk.firstIndex + i + 1, chunk.line(i), block.text));
}

QuestionChecker::Checked QuestionChecker::checkQuestion(int number, QByteArrayView line,
                                                        Utf8Output& out)
{
    Checked checked;
    m_found = false;
    // A cleared record for every line: a short line never shows the fields
    // of the line above it.
    ClearQuestionRecord(m_record);
    try {
        DecodeQuestionLine(line, m_record, DecodeMode::Full);
        checkRecord(number, out);
        checkStoredValues(number, line, out);
        // A line without a question has been reported as such; it repeats
        // nothing.
        checked.hasQuestion = !m_record.Question.isEmpty();
        checked.textHash = hashOfTexts(m_record);
    } catch (const QvedError& e) {
        report(number, e.message(), out);
    }
    checked.hasProblem = m_found;
    checked.textEnd = out.size();
    return checked;
}

void QuestionChecker::checkRecord(int number, Utf8Output& out)
{
    const QuestionRecord& r = m_record;
    m_panel.book = r.Book >= 0 && r.Book < BookCount ? r.Book : -1;
    m_panel.validate = m_validate && IsBibleBook(r.Book);
    m_panel.level = choiceIndex(r.Level, ChoiceCount);
    m_panel.correct = choiceIndex(r.Correct, ChoiceCount);
    // The panel would show the texts converted; the checks read the bytes
    // as they stand, with the same outcome.
    m_panel.reference = r.Reference.view();
    m_panel.question = r.Question.view();
    m_panel.answerA = r.AnswerA.view();
    m_panel.answerB = r.AnswerB.view();
    m_panel.answerC = r.AnswerC.view();
    m_panel.answerD = r.AnswerD.view();

    CheckOutcome outcome;
    try {
        outcome = CheckRecord(m_panel, m_table);
    } catch (const QvedError& e) {
        // The editor stops at a reference it cannot read; the rest of the
        // checks still tell the author what else to fix.
        report(number, e.message(), out);
        m_panel.validate = false;
        outcome = CheckRecord(m_panel, m_table);
    }
    if (outcome.passed)
        return;
    const QStringView lines = QStringView(outcome.report).sliced(CheckReportHeading.size());
    for (const QStringView problem : lines.tokenize(u"\r\n", Qt::SkipEmptyParts))
        report(number, problem, out);
}

void QuestionChecker::checkStoredValues(int number, QByteArrayView line, Utf8Output& out)
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
    if ((r.Level < 0 || r.Level >= ChoiceCount) &&
        (r.Level != -1 || hasField(line, &QuestionRecord::Level)))
        report(number, QStringLiteral("level %1 is outside 1 to 4").arg(r.Level + 1), out);
    if ((r.Correct < 0 || r.Correct >= ChoiceCount) &&
        (r.Correct != -1 || hasField(line, &QuestionRecord::Correct))) {
        const char letter = char(r.Correct + 'A');
        report(number,
               QStringLiteral("correct answer '%1' is outside A to D")
                   .arg(Windows1252::toUnicode(QByteArrayView(&letter, 1))),
               out);
    }
}

QByteArrayView QuestionChecker::firstField(QByteArrayView line)
{
    // The quotes are near the start of the line: a plain search beats a
    // call per quote.
    const char* const end = line.data() + line.size();
    const char* const open = std::find(line.data(), end, '"');
    const char* const close = open == end ? end : std::find(open + 1, end, '"');
    return close == end ? QByteArrayView() : QByteArrayView(open + 1, close);
}

bool QuestionChecker::hasField(QByteArrayView line, qint16 QuestionRecord::*field)
{
    ClearQuestionRecord(m_probe);
    m_probe.*field = Unread;
    DecodeQuestionLine(line, m_probe, DecodeMode::QuestionOnly);
    return m_probe.*field != Unread;
}

void QuestionChecker::report(int number, QStringView problem, Utf8Output& out)
{
    m_found = true;
    out.number(number);
    out.raw(": ");
    out.text(problem);
    out.raw('\n');
}
