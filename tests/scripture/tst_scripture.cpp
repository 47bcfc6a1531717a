// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"
#include "SpellChecker.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <memory>

// The expected texts are the King James wording, typed from the printed
// page, so they hold for any module with that text.
class ScriptureTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!m_bible.available())
            QSKIP("No SWORD Bible module is installed (sword-text-kjv): scripture tests skipped");
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<int>>("verses");
        QTest::addColumn<QString>("lastText");
        const auto found = int(Passage::Outcome::Found);
        const auto none = int(Passage::Outcome::NoSuchVerse);
        QTest::newRow("table abbreviation")
            << "Gen. 2:7" << -1 << found << "Genesis 2:7" << QList<int>{7}
            << "And the LORD God formed man of the dust of the ground, and breathed into his "
               "nostrils the breath of life; and man became a living soul.";
        QTest::newRow("numbered book, last verse")
            << "3 John 1:14" << -1 << found << "III John 1:14" << QList<int>{14}
            << "But I trust I shall shortly see thee, and we shall speak face to face. Peace be "
               "to thee. Our friends salute thee. Greet the friends by name.";
        QTest::newRow("past the last verse")
            << "3 John 1:15" << -1 << none << "" << QList<int>{} << "";
        QTest::newRow("SWORD's own name, range")
            << "Genesis 1:1-3" << -1 << found << "Genesis 1:1-3" << QList<int>{1, 2, 3}
            << "And God said, Let there be light: and there was light.";
        QTest::newRow("panel book, chapter only")
            << "23" << 18 << found << "Psalms 23" << QList<int>{1, 2, 3, 4, 5, 6}
            << "Surely goodness and mercy shall follow me all the days of my life: and I will "
               "dwell in the house of the LORD for ever.";
        QTest::newRow("last chapter of the Bible")
            << "22:21" << 65 << found << "Revelation of John 22:21" << QList<int>{21}
            << "The grace of our Lord Jesus Christ be with you all. Amen.";
        QTest::newRow("no such chapter") << "Jude 2:1" << -1 << none << "" << QList<int>{} << "";
        QTest::newRow("non-Biblical category")
            << "1:1" << 66 << int(Passage::Outcome::NotBiblical) << "" << QList<int>{} << "";
        QTest::newRow("unknown book")
            << "Hezekiah 1:1" << -1 << int(Passage::Outcome::Unknown) << "" << QList<int>{} << "";
        QTest::newRow("backwards range")
            << "Gen. 1:3-1" << -1 << int(Passage::Outcome::Unknown) << "" << QList<int>{} << "";
        QTest::newRow("book name of several words")
            << "Song of Solomon 2:1" << -1 << found << "Song of Solomon 2:1" << QList<int>{1}
            << "I am the rose of Sharon, and the lily of the valleys.";
        // Each of these once showed another passage, or named another
        // number, than the one typed.
        const auto unknown = int(Passage::Outcome::Unknown);
        QTest::newRow("number where the book goes")
            << "1 2:3" << -1 << unknown << "" << QList<int>{} << "";
        QTest::newRow("sign before the chapter")
            << "Gen. -1:1" << -1 << unknown << "" << QList<int>{} << "";
        QTest::newRow("list of references")
            << "Genesis 1:1;2:3" << -1 << unknown << "" << QList<int>{} << "";
        QTest::newRow("list of verses, panel book")
            << "1:1,3" << 0 << unknown << "" << QList<int>{} << "";
        QTest::newRow("range of chapters, panel book")
            << "1-2" << 0 << unknown << "" << QList<int>{} << "";
    }

    void lookup()
    {
        QFETCH(QString, reference);
        QFETCH(int, book);
        QFETCH(int, outcome);
        QFETCH(QString, title);
        QFETCH(QList<int>, verses);
        QFETCH(QString, lastText);
        // Read from the module, again from the verses kept, and from a lookup
        // that read the whole Bible ahead: the same passage each time.
        const BibleLookup fresh;
        for (const BibleLookup* bible : {&fresh, &fresh, &readAhead()}) {
            const Passage passage = bible->passage(reference, book);
            QCOMPARE(int(passage.outcome), outcome);
            QCOMPARE(passage.title, title);
            QList<int> numbers;
            for (const Passage::Verse& verse : passage.verses)
                numbers += verse.number;
            QCOMPARE(numbers, verses);
            if (!lastText.isEmpty())
                QCOMPARE(passage.verses.last().text, lastText);
            QCOMPARE(passage.message.isEmpty(), passage.outcome == Passage::Outcome::Found);
        }
    }

    void readAheadStops()
    {
        const std::atomic<bool> stop{true};
        QVERIFY(!BibleLookup().readAhead(&stop));
    }

    // The message names the number that is not there, as typed, however long.
    void missingNumberIsNamed_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("message");
        QTest::newRow("twenty-digit chapter") << "Gen. 12345678901234567890:1"
                                              << "Genesis has no chapter 12345678901234567890.";
        QTest::newRow("four-digit verse") << "Gen. 1:1234"
                                          << "Genesis 1 has no verse 1234; it has 31 verses.";
        QTest::newRow("range beginning past the end")
            << "Gen. 2:30-40"
            << "Genesis 2 has no verse 30; it has 25 verses.";
        QTest::newRow("range ending past the end")
            << "Gen. 2:20-40"
            << "Genesis 2 has no verse 40; it has 25 verses.";
        QTest::newRow("chapter 0") << "Ps. 0"
                                   << "Psalms has no chapter 0.";
    }

    void missingNumberIsNamed()
    {
        QFETCH(QString, reference);
        QFETCH(QString, message);
        const Passage passage = m_bible.passage(reference);
        QCOMPARE(int(passage.outcome), int(Passage::Outcome::NoSuchVerse));
        QCOMPARE(passage.message, message);
    }

    // Names and old forms the plain dictionary refuses pass once the
    // Bible's words are added; the author's list is read and written.
    void wordLists()
    {
        SpellChecker checker;
        if (!checker.loadDictionary(QStringLiteral("en_US")))
            QSKIP("No en_US Hunspell dictionary is installed (hunspell-en-us): skipped");
        const QStringList bibleWords{QStringLiteral("Mahalaleel"), QStringLiteral("Zerubbabel"),
                                     QStringLiteral("shewbread")};
        for (const QString& word : bibleWords)
            QVERIFY2(!checker.isCorrect(word), qPrintable(word));
        QVERIFY(!checker.isCorrect(QStringLiteral("Zorbaquix")));

        QTemporaryDir dir;
        checker.addBibleWords(m_bible, dir.path());
        for (const QString& word : bibleWords)
            QVERIFY2(checker.isCorrect(word), qPrintable(word));
        QVERIFY(QFile::exists(
            dir.filePath(QStringLiteral("bible-words-%1.txt").arg(m_bible.moduleName()))));
        QCOMPARE(checker.misspellings(u"Methuselah begat Lamech and a zorbaquix").size(), 1);

        const QString personal = dir.filePath(QStringLiteral("data/dictionary.txt"));
        checker.usePersonalList(personal);
        QVERIFY(checker.addToPersonalList(QStringLiteral("Zorbaquix")).ok);
        QVERIFY(checker.addToPersonalList(QStringLiteral("Quorvale")).ok);
        QFile file(personal);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("Zorbaquix\nQuorvale\n"));

        SpellChecker later;
        QVERIFY(later.loadDictionary(QStringLiteral("en_US")));
        later.usePersonalList(personal);
        QVERIFY(later.isCorrect(QStringLiteral("Zorbaquix")));
        QVERIFY(!later.isCorrect(QStringLiteral("shewbread")));
    }

private:
    // Made on first use: reading the whole Bible takes a second or two.
    const BibleLookup& readAhead()
    {
        if (!m_readAhead) {
            m_readAhead = std::make_unique<BibleLookup>();
            if (!m_readAhead->readAhead())
                qFatal("the read-ahead of the whole Bible stopped");
        }
        return *m_readAhead;
    }

    BibleLookup m_bible;
    std::unique_ptr<BibleLookup> m_readAhead;
};

QTEST_GUILESS_MAIN(ScriptureTest)
#include "tst_scripture.moc"
