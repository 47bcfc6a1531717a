#include "LocatorSearch.h"
#include "QuestionList.h"

#include <QRandomGenerator>
#include <QTest>

class TestLocatorSearch : public QObject
{
    Q_OBJECT

private slots:
    void find_data();
    void find();
    void findAgreesWithPlainSearch();
    void walk_data();
    void walk();
};

void TestLocatorSearch::find_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("offset");

    const QByteArray line =
        R"("C1","1","A","Gen. 2:7","Who was the first man?","Adam","Noah","Abel","Seth")";
    QTest::newRow("c is the book code") << line << QByteArray("c") << 1;
    QTest::newRow("case folded both ways") << line << QByteArray("gEN. 2") << 14;
    QTest::newRow("quotes and commas count") << line << QByteArray("\",\"a\"") << 7;
    QTest::newRow("first occurrence") << line << QByteArray("a") << 10;
    QTest::newRow("at the very end") << line << QByteArray("seth\"") << 71;
    QTest::newRow("empty text") << line << QByteArray() << -1;
    QTest::newRow("longer than the line") << QByteArray("ab") << QByteArray("abc") << -1;
    QTest::newRow("brackets do not fold") << QByteArray("x{y") << QByteArray("[") << -1;
    QTest::newRow("accents do not fold") << QByteArray("caf\xe9") << QByteArray("CAF\xc9") << -1;
    QTest::newRow("repeats in the text") << QByteArray("aaaab") << QByteArray("AAB") << 2;
    QTest::newRow("text beyond 256 bytes")
        << QByteArray(5, 'q') + QByteArray(300, 'x') + 'y' << QByteArray(300, 'X') + 'Y' << 5;
}

void TestLocatorSearch::find()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, text);
    QFETCH(int, offset);
    QCOMPARE(LocatorSearch(text).find(line), offset);
}

// The skip table is where a fast search goes wrong: compare it with the
// plain definition over short texts from a small alphabet.
void TestLocatorSearch::findAgreesWithPlainSearch()
{
    QRandomGenerator random(1);
    const QByteArray alphabet("aAbB[{ \xc9\xe9");
    const auto randomText = [&](int longest) {
        QByteArray text;
        for (int n = random.bounded(longest + 1); n > 0; --n)
            text += alphabet[random.bounded(int(alphabet.size()))];
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        const QByteArray line = randomText(30);
        const QByteArray text = randomText(4);
        const qsizetype expected = text.isEmpty() ? -1 : line.toUpper().indexOf(text.toUpper());
        QVERIFY2(LocatorSearch(text).find(line) == expected, line + " / " + text);
    }
}

void TestLocatorSearch::walk_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("index"); // -1: nothing found

    QTest::newRow("next from before the first line") << QByteArray("noah") << true << -1 << 0;
    QTest::newRow("a second occurrence in a line is passed over")
        << QByteArray("noah") << true << 0 << 2;
    QTest::newRow("no wrap-around at the end") << QByteArray("noah") << true << 2 << -1;
    QTest::newRow("prev from before the first line") << QByteArray("c") << false << -1 << -1;
    QTest::newRow("prev walks backwards") << QByteArray("noah") << false << 3 << 2;
    QTest::newRow("prev stops at line 0") << QByteArray("sarah") << false << 1 << -1;
}

void TestLocatorSearch::walk()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, forward);
    QFETCH(int, position);
    QFETCH(int, index);
    QuestionList lines;
    QuestionRecord record;
    lines.fillFromContent(R"("C1","1","A","Gen. 6:9","Noah and Noah?","A","B","C","D")"
                          "\r\n"
                          R"("C1","2","B","Gen. 17:15","Sarah","A","B","C","D")"
                          "\r\n"
                          R"("C1","3","C","Gen. 7:1","Ark","Noah","B","C","D")"
                          "\r\n"
                          R"("C2","4","D","Ex. 2:10","Moses","A","B","C","D")"
                          "\r\n",
                          record, DecodeMode::QuestionOnly);
    const LocatorSearch search(text);
    const auto match = forward ? search.next(lines, position) : search.previous(lines, position);
    QCOMPARE(match ? match->index : -1, index);
}

QTEST_GUILESS_MAIN(TestLocatorSearch)
#include "tst_LocatorSearch.moc"
