// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "TestBuilder.h"
#include "ValidationTable.h"

#include <QtTest>

namespace {

// A line as the editor writes it; book and level from 1.
QByteArray line(int book, int level, char correct, const QByteArray& question,
                const QList<QByteArray>& answers = {})
{
    const QList<QByteArray> texts = answers.isEmpty()
                                        ? QList<QByteArray>{question + " one", question + " two",
                                                            question + " three", question + " four"}
                                        : answers;
    return "\"C" + QByteArray::number(book) + "\",\"" + QByteArray::number(level) + "\",\"" +
           correct + "\",\"Gen. 1:1\",\"" + question + "\",\"" + texts.join("\",\"") + "\"\r\n";
}

QByteArray bank(int questions)
{
    QByteArray content;
    for (int i = 0; i < questions; ++i)
        content += line(1 + i % 5, 1 + i % 4, "ABCD"[i % 4], "Question " + QByteArray::number(i));
    return content;
}

QuestionList listOf(const QByteArray& content)
{
    QuestionList list;
    QuestionRecord record;
    list.fillFromContent(content, record, DecodeMode::Full);
    return list;
}

QuestionRecord decoded(QByteArrayView text)
{
    QuestionRecord record;
    DecodeQuestionLine(text, record, DecodeMode::Full);
    return record;
}

QByteArray correctText(const QuestionRecord& r)
{
    const QByteArrayView answers[] = {r.AnswerA.view(), r.AnswerB.view(), r.AnswerC.view(),
                                      r.AnswerD.view()};
    return answers[r.Correct].toByteArray();
}

QList<QByteArray> answersOf(const QuestionRecord& r)
{
    return {r.AnswerA.view().toByteArray(), r.AnswerB.view().toByteArray(),
            r.AnswerC.view().toByteArray(), r.AnswerD.view().toByteArray()};
}

} // namespace

class TestBuilderTest : public QObject
{
    Q_OBJECT

private slots:
    void balancedAndReadBack_data();
    void balancedAndReadBack();
    void fixedAnswers_data();
    void fixedAnswers();
    void sameSeedSameBytes();
    void eligibility_data();
    void eligibility();

private:
    const ValidationTable m_table; // not loaded: every check but chapters and verses
};

void TestBuilderTest::balancedAndReadBack_data()
{
    QTest::addColumn<int>("count");
    for (int count = 1; count <= 40; ++count)
        QTest::addRow("%d", count) << count;
}

// Every version's written lines read back with each question's correct
// answer unchanged, and each letter correct count / 4 times, rounded
// either way.
void TestBuilderTest::balancedAndReadBack()
{
    QFETCH(int, count);
    const QuestionList list = listOf(bank(40));
    TestBuilder::Choices choices;
    choices.count = count;
    choices.versions = 3;
    choices.seed = quint32(count);
    QString problem;
    const auto versions = TestBuilder(list, m_table).build(choices, problem);
    QCOMPARE(versions.size(), 3u);
    for (const TestBuilder::Version& version : versions) {
        int counts[4] = {};
        const QList<QByteArray> lines = version.lines().split('\n');
        QCOMPARE(lines.size(), count + 1);
        QSet<QByteArray> seen;
        for (int i = 0; i < count; ++i) {
            const QuestionRecord written = decoded(lines[i]);
            const int number = written.Question.view().sliced(9).toInt();
            const QuestionRecord original = decoded(list.line(number));
            QCOMPARE(correctText(written), correctText(original));
            auto before = answersOf(original), after = answersOf(written);
            std::sort(before.begin(), before.end());
            std::sort(after.begin(), after.end());
            QCOMPARE(after, before);
            seen.insert(written.Question.view().toByteArray());
            ++counts[written.Correct];
        }
        QCOMPARE(seen.size(), count);
        for (int letter : counts)
            QVERIFY2(letter == count / 4 || letter == (count + 3) / 4,
                     qPrintable(QStringLiteral("%1 of %2").arg(letter).arg(count)));
    }
}

void TestBuilderTest::fixedAnswers_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("fixed");
    QTest::newRow("all") << QByteArray("All of the above") << true;
    QTest::newRow("none") << QByteArray("none of the above.") << true;
    QTest::newRow("both") << QByteArray("Both A and B") << true;
    QTest::newRow("letter") << QByteArray("C") << true;
    QTest::newRow("article") << QByteArray("A rib") << false;
    QTest::newRow("plain") << QByteArray("Gopher wood") << false;
}

// A question holding a fixed answer keeps all four in place in every
// version, while the others still move.
void TestBuilderTest::fixedAnswers()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, fixed);
    const QList<QByteArray> answers{"First", "Second", answer, "Fourth"};
    const QuestionList list = listOf(line(1, 1, 'B', "Pinned", answers) + bank(7));
    TestBuilder::Choices choices;
    choices.count = 8;
    choices.versions = 26;
    QString problem;
    bool moved = false;
    for (const TestBuilder::Version& version : TestBuilder(list, m_table).build(choices, problem)) {
        for (const QuestionRecord& r : version.questions) {
            if (r.Question.view() == "Pinned")
                moved = moved || answersOf(r) != answers || r.Correct != 1;
        }
    }
    QCOMPARE(moved, !fixed);
}

void TestBuilderTest::sameSeedSameBytes()
{
    const QuestionList list = listOf(bank(30));
    TestBuilder::Choices choices;
    choices.count = 20;
    choices.versions = 3;
    choices.seed = 4242;
    QString problem;
    auto all = [&] {
        QByteArray bytes;
        for (const auto& version : TestBuilder(list, m_table).build(choices, problem))
            bytes += version.lines() + "--\r\n";
        return bytes;
    };
    const QByteArray first = all();
    QCOMPARE(all(), first);
    choices.seed = 4243;
    QVERIFY(all() != first);
}

void TestBuilderTest::eligibility_data()
{
    QTest::addColumn<QString>("books");
    QTest::addColumn<int>("levels"); // bit per level
    QTest::addColumn<QList<int>>("expected");
    // Lines: 0 Gen. L1, 1 Ex. L2, 2 Lev. L3 deleted, 3 Num. L4 no answer D,
    // 4 Deut. L1, 5 "1 Sam." L2.
    QTest::newRow("all") << QString() << 15 << QList<int>{0, 1, 4, 5};
    QTest::newRow("range") << QStringLiteral("gen-Deut.") << 15 << QList<int>{0, 1, 4};
    QTest::newRow("list") << QStringLiteral("Ex.,1sam") << 15 << QList<int>{1, 5};
    QTest::newRow("level 1") << QString() << 1 << QList<int>{0, 4};
    QTest::newRow("both") << QStringLiteral("Gen.-Ex.") << 2 << QList<int>{1};
}

void TestBuilderTest::eligibility()
{
    QFETCH(QString, books);
    QFETCH(int, levels);
    QFETCH(QList<int>, expected);
    QuestionList list =
        listOf(line(1, 1, 'A', "Q0") + line(2, 2, 'A', "Q1") + line(3, 3, 'A', "Q2") +
               line(4, 4, 'A', "Q3", {"one", "two", "three", ""}) + line(5, 1, 'A', "Q4") +
               line(9, 2, 'A', "Q5"));
    list.ToggleDeleteMark(3); // grid row of index 2
    TestBuilder::Choices choices;
    if (!books.isEmpty()) {
        QString problem;
        choices.books = TestBuilder::parseBooks(books, problem).value();
    }
    for (int level = 0; level < 4; ++level)
        choices.levels[std::size_t(level)] = levels & (1 << level);
    const std::vector<int> found = TestBuilder(list, m_table).eligible(choices);
    QCOMPARE(QList<int>(found.begin(), found.end()), expected);
}

QTEST_GUILESS_MAIN(TestBuilderTest)
#include "tst_TestBuilder.moc"
