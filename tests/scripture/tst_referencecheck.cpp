// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"
#include "BookTable.h"
#include "QuestionList.h"
#include "ReferenceCheck.h"
#include "WordKeys.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

using Verdict = ReferenceCheck::Verdict;

namespace {

ReferenceCheck::Question question(int number, int book, const QString& reference, int correct,
                                  const QStringList& answers)
{
    ReferenceCheck::Question made;
    made.number = number;
    made.book = book;
    made.reference = reference;
    made.correct = correct;
    for (int i = 0; i < 4; ++i)
        made.answers[std::size_t(i)] = answers.value(i);
    return made;
}

QStringList plainWords(const QString& text)
{
    static const QRegularExpression letters(QStringLiteral("[A-Za-z]+"));
    QStringList words;
    for (auto it = letters.globalMatch(text); it.hasNext();)
        words.append(it.next().captured().toLower());
    return words;
}

// Whether any word of the verses starts as the word does: a test stricter
// than any folding of word forms, so a word that passes is distinctive.
bool sharesPrefix(const QList<Passage::Verse>& verses, const QString& word, int except = 0)
{
    const QString prefix = word.left(4);
    for (const Passage::Verse& verse : verses) {
        if (verse.number == except)
            continue;
        for (const QString& other : plainWords(verse.text)) {
            if (other.startsWith(prefix))
                return true;
        }
    }
    return false;
}

QString capitalised(QString word)
{
    word[0] = word[0].toUpper();
    return word;
}

// The word as an author might write it in an answer.
QString answerForm(const QString& word, const QString& next, int form)
{
    switch (form) {
    case 1:
        return QStringLiteral("The ") + word;
    case 2:
        if (word.endsWith(QStringLiteral("oeth")))
            return capitalised(word.chopped(3) + QStringLiteral("es"));
        if (word.endsWith(QStringLiteral("eth")))
            return capitalised(word.chopped(3) + u's');
        if (word.endsWith(QStringLiteral("ies")))
            return capitalised(word.chopped(3) + u'y');
        if (word.endsWith(QStringLiteral("ed")) || word.endsWith(QStringLiteral("ing")) ||
            word.endsWith(QStringLiteral("est")))
            return capitalised(word);
        if (word.endsWith(u's') && !word.endsWith(QStringLiteral("ss")))
            return capitalised(word.chopped(1));
        if (!QStringLiteral("sxzhy").contains(word.back()))
            return capitalised(word + u's');
        return capitalised(word);
    case 3:
        if (next.size() >= 4)
            return capitalised(word) + u' ' + next;
        return capitalised(word);
    default:
        return capitalised(word);
    }
}

} // namespace

class ReferenceCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void wordForms_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("verse");
        QTest::addColumn<bool>("held");
        QTest::newRow("case folded") << "JORDAN" << "baptized of John in Jordan." << true;
        QTest::newRow("number in words against figures") << "40" << "forty days and forty nights"
                                                         << true;
        QTest::newRow("hyphenated number") << "forty-two" << "they were 42 in all" << true;
        QTest::newRow("hundred and fifty")
            << "One hundred fifty" << "the waters prevailed an hundred and fifty days" << true;
        QTest::newRow("units before tens") << "22" << "he reigned two and twenty years" << true;
        QTest::newRow("threescore and ten") << "Seventy" << "threescore and ten" << true;
        QTest::newRow("two and two is no four") << "Two" << "went in two and two unto Noah"
                                                << true;
        QTest::newRow("four is not two and two") << "4" << "went in two and two unto Noah"
                                                 << false;
        QTest::newRow("another number") << "Forty" << "fourteen days" << false;
        QTest::newRow("-eth against -s") << "Loves" << "He that loveth not" << true;
        QTest::newRow("-ed against the plain verb") << "Create" << "God created the heaven"
                                                    << true;
        QTest::newRow("plural against singular") << "Raven" << "the ravens brought him bread"
                                                 << true;
        QTest::newRow("possessive") << "Balaam\u2019s" << "and she said unto Balaam" << true;
        QTest::newRow("another word") << "Cedar" << "make thee an ark of gopher wood" << false;
        QTest::newRow("all of a short answer") << "Gopher cedar" << "an ark of gopher wood"
                                               << false;
        QTest::newRow("two thirds of a long answer")
            << "Gold, incense, and myrrh" << "gold, and frankincense, and myrrh" << true;
        QTest::newRow("a third of a long answer")
            << "Gold, silver, and bronze" << "gold, and frankincense, and myrrh" << false;
    }

    void wordForms()
    {
        QFETCH(QString, answer);
        QFETCH(QString, verse);
        QFETCH(bool, held);
        const QStringList keys = WordKeys::contentKeys(verse);
        QCOMPARE(ReferenceCheck::holds(WordKeys::contentKeys(answer),
                                       QSet<QString>(keys.begin(), keys.end())),
                 held);
    }

    void commonWordsOnly()
    {
        QVERIFY(WordKeys::contentKeys(QStringLiteral("He")).isEmpty());
        QVERIFY(WordKeys::contentKeys(QStringLiteral("Of the")).isEmpty());
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("correct");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("verdict");
        QTest::addColumn<QString>("suggestion");
        QTest::addColumn<QString>("message");
        const QStringList dust{"A rib", "The dust of the ground", "Clay", "The breath of a bird"};
        QTest::newRow("right verse") << 0 << "Gen. 2:7" << 1 << dust << int(Verdict::Fine) << ""
                                     << "";
        QTest::newRow("one verse late")
            << 0 << "Gen. 2:8" << 1 << dust << int(Verdict::Nearby) << "Gen. 2:7"
            << "answer in Gen. 2:7";
        QTest::newRow("the panel's book, bare reference")
            << 0 << "2:8" << 1 << dust << int(Verdict::Nearby) << "2:7" << "answer in Gen. 2:7";
        QTest::newRow("SWORD's own book name")
            << 0 << "Genesis 2:8" << 1 << dust << int(Verdict::Nearby) << "Genesis 2:7"
            << "answer in Genesis 2:7";
        QTest::newRow("letter marks a wrong answer")
            << 0 << "Gen. 2:7" << 0 << dust << int(Verdict::OtherLetter) << ""
            << "the verse names answer B: is the letter right?";
        QTest::newRow("chapter wrong")
            << 0 << "Gen. 3:7" << 1 << dust << int(Verdict::NotFound) << ""
            << "answer not found near Gen. 3:7";
        QTest::newRow("number as figures")
            << 0 << "Gen. 7:12" << 3 << QStringList{"7", "12", "150", "40"} << int(Verdict::Fine)
            << "" << "";
        QTest::newRow("range") << 0 << "Gen. 1:1-2" << 0
                               << QStringList{"The Spirit of God", "Adam", "Eve", "Cain"}
                               << int(Verdict::Fine) << "" << "";
        QTest::newRow("common words only")
            << 0 << "Gen. 2:7" << 0 << QStringList{"He", "Adam", "Eve", "Cain"}
            << int(Verdict::NoContentWords) << "" << "";
        QTest::newRow("catechism") << CatechismBook << "Q. 1" << 0 << dust
                                   << int(Verdict::NoVerseText) << "" << "";
        QTest::newRow("whole chapter") << 18 << "Ps. 23" << 0 << QStringList{"Shepherd"}
                                       << int(Verdict::NoVerseText) << "" << "";
        QTest::newRow("verse the module lacks")
            << 63 << "3 John 1:15" << 0 << QStringList{"Peace"} << int(Verdict::NoVerseText)
            << "" << "";
    }

    void verdicts()
    {
        QFETCH(int, book);
        QFETCH(QString, reference);
        QFETCH(int, correct);
        QFETCH(QStringList, answers);
        QFETCH(int, verdict);
        QFETCH(QString, suggestion);
        QFETCH(QString, message);
        requireModule();
        const auto findings =
            ReferenceCheck(m_bible).check({question(7, book, reference, correct, answers)});
        QCOMPARE(findings.size(), std::size_t(1));
        const ReferenceCheck::Finding& finding = findings.front();
        QCOMPARE(finding.number, 7);
        QCOMPARE(int(finding.verdict), verdict);
        QCOMPARE(finding.suggestion, suggestion);
        QCOMPARE(finding.message(), message);
        if (finding.suspect() || finding.verdict == Verdict::Fine)
            QVERIFY(!finding.verse.isEmpty());
    }

    // The sample bank's right answers stand in their verses but one, whose
    // answer is the speaker named in the verse before.
    void sampleBank()
    {
        requireModule();
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(qEnvironmentVariable("QVED_SOURCE_DIR") +
                                  QStringLiteral("/samples/sample.qus"),
                              record, DecodeMode::Full);
        const auto findings = ReferenceCheck(m_bible).check(ReferenceCheck::questions(list));
        const ReferenceCheck::Summary summary = ReferenceCheck::summarize(findings);
        QCOMPARE(summary.fine + summary.suspects, 52);
        QCOMPARE(summary.suspects, 1);
        for (const ReferenceCheck::Finding& finding : findings) {
            if (finding.suspect()) {
                QCOMPARE(finding.reference, QStringLiteral("Est. 4:14"));
                QCOMPARE(finding.suggestion, QStringLiteral("Est. 4:13"));
            }
        }
    }

    // A bank made from the module: each right answer a distinctive word of
    // its verse, written as an author would, and faulty copies of each
    // question with what the check must say about them.
    void madeBank()
    {
        requireModule();
        QRandomGenerator random(20261210);
        std::vector<ReferenceCheck::Question> questions;
        struct Expected
        {
            Verdict verdict;
            QString suggestion;
            int named;
            std::size_t right; // the index of the right copy
        };
        std::vector<Expected> expected;
        QStringList pool{QStringLiteral("Zerubbabel"), QStringLiteral("Melchizedek"),
                         QStringLiteral("Nebuchadnezzar")};
        while (questions.size() < 2000) {
            const int book = int(random.bounded(BibleBookCount));
            const int chapterNumber = 1 + int(random.bounded(30));
            const Passage chapter = m_bible.passage(QString::number(chapterNumber), book);
            if (chapter.outcome != Passage::Outcome::Found || chapter.verses.size() < 8)
                continue;
            const Passage next = m_bible.passage(QString::number(chapterNumber + 1), book);
            const int verses = int(chapter.verses.size());
            const int verse = 1 + int(random.bounded(verses));
            const QStringList words = plainWords(chapter.verses[verse - 1].text);
            QString word;
            QString following;
            for (qsizetype i = 0; i < words.size(); ++i) {
                if (words[i].size() >= 5 && !sharesPrefix(chapter.verses, words[i], verse) &&
                    (next.outcome != Passage::Outcome::Found ||
                     !sharesPrefix(next.verses, words[i]))) {
                    word = words[i];
                    following = words.value(i + 1);
                    break;
                }
            }
            if (word.isEmpty())
                continue;
            QStringList distractors;
            for (qsizetype i = pool.size() - 1; i >= 0 && distractors.size() < 3; --i) {
                const QString other = pool[i].toLower();
                if (!sharesPrefix(chapter.verses, other) &&
                    (next.outcome != Passage::Outcome::Found || !sharesPrefix(next.verses, other)))
                    distractors.append(capitalised(other));
            }
            pool.append(word);
            if (distractors.size() < 3)
                continue;
            const int letter = int(random.bounded(4));
            QStringList answers = distractors;
            answers.insert(letter, answerForm(word, following, int(random.bounded(4))));
            const QString abbreviation = QString::fromLatin1(BookAbbreviation(book));
            auto cite = [&](int chapterCited, int verseCited) {
                return QStringLiteral("%1 %2:%3").arg(abbreviation).arg(chapterCited).arg(verseCited);
            };
            const QString right = cite(chapterNumber, verse);
            const std::size_t rightIndex = questions.size();
            auto add = [&](const QString& reference, int correct, Expected what) {
                questions.push_back(
                    question(int(questions.size()) + 1, book, reference, correct, answers));
                what.right = rightIndex;
                expected.push_back(what);
            };
            add(right, letter, {Verdict::Fine, {}, -1, 0});
            const int shift = (1 + int(random.bounded(3))) * (random.bounded(2) ? 1 : -1);
            if (verse + shift >= 1 && verse + shift <= verses)
                add(cite(chapterNumber, verse + shift), letter, {Verdict::Nearby, right, -1, 0});
            const int far = verse + 6 <= verses ? 6 : -6;
            if (verse + far >= 1)
                add(cite(chapterNumber, verse + far), letter, {Verdict::NotFound, {}, -1, 0});
            if (next.outcome == Passage::Outcome::Found && verse <= next.verses.size())
                add(cite(chapterNumber + 1, verse), letter, {Verdict::NotFound, {}, -1, 0});
            add(right, (letter + 1 + int(random.bounded(3))) % 4,
                {Verdict::OtherLetter, {}, letter, 0});
        }

        const auto findings = ReferenceCheck(m_bible).check(questions);
        QCOMPARE(findings.size(), questions.size());
        int rightCopies = 0;
        int falseAlarms = 0;
        int faults = 0;
        int faultsTold = 0;
        for (std::size_t i = 0; i < findings.size(); ++i) {
            const Expected& want = expected[i];
            const ReferenceCheck::Finding& found = findings[i];
            if (want.verdict == Verdict::Fine) {
                ++rightCopies;
                if (found.suspect())
                    ++falseAlarms;
                continue;
            }
            // A fault of a question the check already missed tells nothing.
            if (findings[want.right].verdict != Verdict::Fine)
                continue;
            ++faults;
            if (found.verdict == want.verdict && found.suggestion == want.suggestion &&
                found.namedLetter == want.named)
                ++faultsTold;
        }
        qInfo("made bank: %d right questions, %d false alarms (%.1f%%); %d faults, %d told "
              "exactly (%.1f%%)",
              rightCopies, falseAlarms, 100.0 * falseAlarms / rightCopies, faults, faultsTold,
              100.0 * faultsTold / faults);
        QVERIFY(rightCopies > 300);
        QVERIFY2(falseAlarms * 100 < rightCopies * 5, "more than 5% false alarms");
        QVERIFY2(faultsTold * 100 >= faults * 95, "fewer than 95% of the faults told exactly");
    }

private:
    void requireModule()
    {
        if (!m_bible.available())
            QSKIP("No SWORD Bible module is installed (sword-text-kjv): reference check skipped");
    }

    BibleLookup m_bible;
};

QTEST_GUILESS_MAIN(ReferenceCheckTest)
#include "tst_referencecheck.moc"
