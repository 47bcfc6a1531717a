// SPDX-License-Identifier: GPL-2.0-or-later
#include "TestBuilder.h"

#include "BankCheck.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <algorithm>
#include <random>

namespace {

// A whole number below n. The generator's raw output is fixed by the C++
// standard, unlike the library's distributions, so this stays portable.
quint32 below(std::mt19937& random, quint32 n)
{
    constexpr quint64 range = quint64(1) << 32;
    const quint64 limit = range - range % n;
    quint64 drawn = 0;
    do
        drawn = random();
    while (drawn >= limit);
    return quint32(drawn % n);
}

template <typename T> void shuffle(std::vector<T>& items, std::mt19937& random)
{
    for (std::size_t i = items.size(); i > 1; --i)
        std::swap(items[i - 1], items[below(random, quint32(i))]);
}

std::array<FixedText<90>*, 4> answersOf(QuestionRecord& record)
{
    return {&record.AnswerA, &record.AnswerB, &record.AnswerC, &record.AnswerD};
}

// Puts the correct answer at the target letter and the others in a random
// order around it.
void placeAnswers(QuestionRecord& record, int target, std::mt19937& random)
{
    std::vector<int> order{0, 1, 2, 3};
    shuffle(order, random);
    const auto correctAt = std::find(order.begin(), order.end(), int(record.Correct));
    std::iter_swap(correctAt, order.begin() + target);
    const auto answers = answersOf(record);
    std::array<FixedText<90>, 4> before;
    for (int i = 0; i < 4; ++i)
        before[i] = *answers[i];
    for (int i = 0; i < 4; ++i)
        *answers[i] = before[order[i]];
    record.Correct = qint16(target);
}

// Gives the questions whose answers may move letters so that, with the
// fixed ones, each letter is correct as often as the others or once more.
void balanceAnswers(std::vector<QuestionRecord>& questions, std::mt19937& random)
{
    std::array<int, 4> counts{};
    std::vector<std::size_t> movable;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (TestBuilder::hasFixedAnswer(questions[i]))
            ++counts[questions[i].Correct];
        else
            movable.push_back(i);
    }
    std::vector<int> letters;
    for (std::size_t n = 0; n < movable.size(); ++n) {
        const int fewest = *std::min_element(counts.begin(), counts.end());
        std::vector<int> candidates;
        for (int letter = 0; letter < 4; ++letter) {
            if (counts[letter] == fewest)
                candidates.push_back(letter);
        }
        const int letter = candidates[below(random, quint32(candidates.size()))];
        ++counts[letter];
        letters.push_back(letter);
    }
    shuffle(letters, random);
    for (std::size_t n = 0; n < movable.size(); ++n)
        placeAnswers(questions[movable[n]], letters[n], random);
}

// An abbreviation as typed: no case, blanks or final period.
QString bookKey(QStringView text)
{
    QString key = text.trimmed().toString().toLower();
    key.remove(u' ');
    if (key.endsWith(u'.'))
        key.chop(1);
    return key;
}

int bookIndex(QStringView text)
{
    const QString key = bookKey(text);
    for (int index = 0; index < BookCount; ++index) {
        if (bookKey(QString::fromLatin1(BookAbbreviation(index))) == key)
            return index;
    }
    return -1;
}

} // namespace

TestBuilder::TestBuilder(const QuestionList& list, const ValidationTable& table) : m_list(list)
{
    BankCheck check(table, true);
    QuestionRecord record;
    for (int index = 0; index < list.count(); ++index) {
        if (list.isDeleted(index))
            continue;
        if (check.checkQuestion(index + 1, list.line(index), [](const BankCheck::Problem&) {}))
            continue;
        ClearQuestionRecord(record);
        DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
        m_passing.push_back({index, record.Book, record.Level});
    }
}

std::vector<int> TestBuilder::eligible(const Choices& choices) const
{
    std::vector<int> indexes;
    for (const Candidate& c : m_passing) {
        if (choices.books[std::size_t(c.book)] && choices.levels[std::size_t(c.level)])
            indexes.push_back(c.index);
    }
    return indexes;
}

std::vector<TestBuilder::Version> TestBuilder::build(const Choices& choices, QString& problem) const
{
    std::vector<int> pool = eligible(choices);
    if (choices.versions < 1 || choices.versions > MaxVersions) {
        problem =
            QCoreApplication::translate("TestBuilder", "The number of versions must be 1 to %1.")
                .arg(MaxVersions);
        return {};
    }
    if (choices.count < 1 || std::size_t(choices.count) > pool.size()) {
        problem = QCoreApplication::translate("TestBuilder",
                                              "%1 questions asked for, but %2 are eligible.")
                      .arg(choices.count)
                      .arg(pool.size());
        return {};
    }
    std::mt19937 random(choices.seed);
    // The questions are chosen once, then kept in file order until a
    // version shuffles them.
    for (std::size_t i = 0; i < std::size_t(choices.count); ++i)
        std::swap(pool[i], pool[i + below(random, quint32(pool.size() - i))]);
    pool.resize(std::size_t(choices.count));
    std::sort(pool.begin(), pool.end());
    std::vector<QuestionRecord> chosen(pool.size());
    for (std::size_t i = 0; i < pool.size(); ++i)
        DecodeQuestionLine(m_list.line(pool[i]), chosen[i], DecodeMode::Full);

    std::vector<Version> versions;
    for (int v = 0; v < choices.versions; ++v) {
        Version version{QChar(u'A' + v), chosen};
        if (choices.shuffleQuestions)
            shuffle(version.questions, random);
        if (choices.shuffleAnswers)
            balanceAnswers(version.questions, random);
        versions.push_back(std::move(version));
    }
    return versions;
}

QByteArray TestBuilder::Version::lines() const
{
    QByteArray text;
    for (const QuestionRecord& r : questions) {
        text += EncodeQuestionLine(r.Book, r.Level, r.Correct, r.Reference.view(),
                                   r.Question.view(), r.AnswerA.view(), r.AnswerB.view(),
                                   r.AnswerC.view(), r.AnswerD.view());
        text += "\r\n";
    }
    return text;
}

bool TestBuilder::isFixedAnswer(QByteArrayView answer)
{
    const QString text = QString::fromLatin1(answer);
    if (text.contains(QStringLiteral("the above"), Qt::CaseInsensitive))
        return true;
    // Letters A to D joined only by words like "both", "and", "nor".
    static const QStringList joining = {QStringLiteral("both"), QStringLiteral("and"),
                                        QStringLiteral("or"),   QStringLiteral("neither"),
                                        QStringLiteral("nor"),  QStringLiteral("only")};
    bool letter = false;
    for (const QStringView word : QStringView(text).tokenize(u' ', Qt::SkipEmptyParts)) {
        QString bare = word.toString();
        bare.remove(QRegularExpression(QStringLiteral("[^A-Za-z]")));
        if (bare.isEmpty())
            continue;
        if (bare.size() == 1 && bare[0] >= u'A' && bare[0] <= u'D')
            letter = true;
        else if (!joining.contains(bare, Qt::CaseInsensitive))
            return false;
    }
    return letter;
}

bool TestBuilder::hasFixedAnswer(const QuestionRecord& record)
{
    return isFixedAnswer(record.AnswerA.view()) || isFixedAnswer(record.AnswerB.view()) ||
           isFixedAnswer(record.AnswerC.view()) || isFixedAnswer(record.AnswerD.view());
}

std::optional<std::array<bool, BookCount>> TestBuilder::parseBooks(const QString& text,
                                                                   QString& problem)
{
    std::array<bool, BookCount> books{};
    auto unknown = [&](QStringView name) {
        problem = QCoreApplication::translate(
                      "TestBuilder", "Unknown book '%1': use the abbreviations of the book table, "
                                     "such as Gen. or 1 Sam.")
                      .arg(name.trimmed());
        return std::nullopt;
    };
    const QStringList pieces = text.split(u',', Qt::SkipEmptyParts);
    if (pieces.isEmpty()) {
        problem = QCoreApplication::translate("TestBuilder", "No books given.");
        return std::nullopt;
    }
    for (const QString& piece : pieces) {
        const QStringList ends = piece.split(u'-');
        if (ends.size() > 2) {
            problem =
                QCoreApplication::translate("TestBuilder", "The books '%1' are not FIRST-LAST.")
                    .arg(piece);
            return std::nullopt;
        }
        const int first = bookIndex(ends.first());
        const int last = bookIndex(ends.last());
        if (first < 0)
            return unknown(ends.first());
        if (last < 0)
            return unknown(ends.last());
        if (last < first) {
            problem = QCoreApplication::translate("TestBuilder", "The books '%1' run backwards.")
                          .arg(piece);
            return std::nullopt;
        }
        for (int book = first; book <= last; ++book)
            books[std::size_t(book)] = true;
    }
    return books;
}

quint32 TestBuilder::newSeed()
{
    // Small enough to read out and type again.
    return QRandomGenerator::global()->bounded(1u, 1000000u);
}
