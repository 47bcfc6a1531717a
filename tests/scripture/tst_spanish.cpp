// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLanguage.h"
#include "BibleLookup.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "ReferenceCheck.h"
#include "SpellChecker.h"
#include "WordKeys.h"

#include <QTemporaryDir>
#include <QtTest>

// A Spanish bank read with Spanish tools: the verses of the Reina-Valera
// 1909 by the editor's English book abbreviations, Spanish spelling with
// the Bible's names, and the reference check's Spanish word rules. The
// expected verses are typed from the printed 1909 text.
class SpanishTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void verse_data();
    void verse();
    void spelling_data();
    void spelling();
    void sameWords_data();
    void sameWords();
    void referenceCheck_data();
    void referenceCheck();
    void guess_data();
    void guess();

private:
    BibleLookup m_bible;
    bool m_spanish = false;
};

void SpanishTest::initTestCase()
{
    m_spanish = m_bible.setModule(BibleLanguage::module(BibleLanguage::Spanish));
}

void SpanishTest::verse_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<int>("book"); // the panel's book, -1 for none
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString john = QStringLiteral(
        "Porque de tal manera amó Dios al mundo, que ha dado á su Hijo unigénito, para que "
        "todo aquel que en él cree, no se pierda, mas tenga vida eterna.");
    QTest::newRow("book named in English") << "John 3:16" << -1 << "John 3:16" << john;
    QTest::newRow("book from the panel") << "3:16" << 42 << "John 3:16" << john;
    QTest::newRow("accents and the drop capital")
        << "Gen. 1:1" << -1 << "Genesis 1:1"
        << "EN el principio crió Dios los cielos y la tierra.";
    // The module leaves a Strong's number in this verse's text.
    QTest::newRow("stray Strong's number")
        << "Gen. 5:27" << -1 << "Genesis 5:27"
        << "Fueron, pues, todos los días de Mathusalam, novecientos sesenta y nueve años; y "
           "murió.";
}

void SpanishTest::verse()
{
    if (!m_spanish)
        QSKIP("The Reina-Valera 1909 is not installed (sword-text-sparv): skipped");
    QFETCH(QString, reference);
    QFETCH(int, book);
    QFETCH(QString, title);
    QFETCH(QString, text);
    const Passage passage = m_bible.passage(reference, book);
    QCOMPARE(int(passage.outcome), int(Passage::Outcome::Found));
    QCOMPARE(passage.title, title);
    QCOMPARE(passage.verses.size(), 1);
    QCOMPARE(passage.verses.first().text, text);
    QCOMPARE(m_bible.moduleLanguage(), BibleLanguage::Spanish);
}

void SpanishTest::spelling_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("dictionaryOnly"); // es_ES alone
    QTest::addColumn<QStringList>("withBible");      // es_ES and the 1909 words
    QTest::newRow("plain Spanish")
        << "¿Quién era el rey de Babilonia?" << QStringList{} << QStringList{};
    QTest::newRow("Bible names") << "Nabucodonosor y Mathusalam"
                                 << QStringList{"Nabucodonosor", "Mathusalam"} << QStringList{};
    QTest::newRow("misspelt word")
        << "El profetta Daniel" << QStringList{"profetta"} << QStringList{"profetta"};
    QTest::newRow("English words")
        << "Who was the king?" << QStringList{"Who", "was", "the", "king"}
        << QStringList{"Who", "was", "the", "king"};
}

void SpanishTest::spelling()
{
    QFETCH(QString, text);
    QFETCH(QStringList, dictionaryOnly);
    QFETCH(QStringList, withBible);
    SpellChecker checker;
    if (!checker.loadDictionary(BibleLanguage::dictionary(BibleLanguage::Spanish)))
        QSKIP("No es_ES Hunspell dictionary is installed (hunspell-es): skipped");
    if (!m_spanish)
        QSKIP("The Reina-Valera 1909 is not installed (sword-text-sparv): skipped");
    auto words = [&checker, &text] {
        QStringList found;
        for (const auto& wrong : checker.misspellings(text))
            found += wrong.word;
        return found;
    };
    QCOMPARE(words(), dictionaryOnly);
    // Made from the module into the cache, once for every row.
    static QTemporaryDir cache;
    checker.addBibleWords(m_bible, cache.path());
    QCOMPARE(words(), withBible);
}

void SpanishTest::sameWords_data()
{
    QTest::addColumn<QString>("one");
    QTest::addColumn<QString>("other");
    QTest::addColumn<bool>("same");
    QTest::newRow("plural -es") << "los reyes"
                                << "el rey" << true;
    QTest::newRow("plural -es after a consonant") << "las ciudades"
                                                  << "la ciudad" << true;
    QTest::newRow("plural -s of a word in -e") << "hombres"
                                               << "hombre" << true;
    QTest::newRow("adverb -mente") << "fielmente"
                                   << "fiel" << true;
    QTest::newRow("accents") << "Moisés"
                             << "MOISES" << true;
    QTest::newRow("old accented preposition") << "á Jerusalem"
                                              << "Jerusalem" << true;
    QTest::newRow("other word") << "hijo"
                                << "hija" << false;
    QTest::newRow("tens") << "cuarenta"
                          << "40" << true;
    QTest::newRow("tens and units") << "cuarenta y dos"
                                    << "42" << true;
    QTest::newRow("old sixteen") << "diez y seis"
                                 << "16" << true;
    QTest::newRow("new sixteen") << "dieciséis"
                                 << "16" << true;
    QTest::newRow("hundred and twenty") << "ciento y veinte años"
                                        << "120 años" << true;
    QTest::newRow("hundreds, tens and units") << "novecientos sesenta y nueve"
                                              << "969" << true;
    QTest::newRow("thousands") << "tres mil quinientos"
                               << "3500" << true;
    QTest::newRow("two and twenty is English only") << "dos y veinte"
                                                    << "22" << false;
    QTest::newRow("English rules unchanged") << "forty"
                                             << "40" << false;
}

void SpanishTest::sameWords()
{
    QFETCH(QString, one);
    QFETCH(QString, other);
    QFETCH(bool, same);
    const QStringList a = WordKeys::contentKeys(one, BibleLanguage::Spanish);
    const QStringList b = WordKeys::contentKeys(other, BibleLanguage::Spanish);
    QVERIFY(!a.isEmpty());
    QCOMPARE(a == b, same);
    // Articles and prepositions alone carry no answer.
    QVERIFY(WordKeys::contentKeys(u"el de la á los", BibleLanguage::Spanish).isEmpty());
}

void SpanishTest::referenceCheck_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("verdict");
    QTest::addColumn<QString>("suggestion");
    QTest::newRow("number in figures") << "Gen. 5:27"
                                       << "969 años" << int(ReferenceCheck::Verdict::Fine) << "";
    QTest::newRow("number in words")
        << "Gen. 6:3"
        << "Ciento veinte años" << int(ReferenceCheck::Verdict::Fine) << "";
    QTest::newRow("plural and no accents")
        << "Ex. 24:18"
        << "Cuarenta dias y cuarenta noches" << int(ReferenceCheck::Verdict::Fine) << "";
    QTest::newRow("answer in a verse nearby")
        << "Ex. 24:16"
        << "Cuarenta días" << int(ReferenceCheck::Verdict::Nearby) << "Ex. 24:18";
    QTest::newRow("name not in the verse")
        << "Dan. 3:1"
        << "Daniel" << int(ReferenceCheck::Verdict::NotFound) << "";
}

void SpanishTest::referenceCheck()
{
    if (!m_spanish)
        QSKIP("The Reina-Valera 1909 is not installed (sword-text-sparv): skipped");
    QFETCH(QString, reference);
    QFETCH(QString, answer);
    QFETCH(int, verdict);
    QFETCH(QString, suggestion);
    ReferenceCheck::Question question;
    question.number = 1;
    question.reference = reference;
    question.written = reference;
    question.correct = 0;
    question.answers = {answer, QStringLiteral("Abraham"), QStringLiteral("Sara"),
                        QStringLiteral("Lot")};
    const auto findings = ReferenceCheck(m_bible).check({question});
    QCOMPARE(findings.size(), std::size_t(1));
    QCOMPARE(int(findings.front().verdict), verdict);
    QCOMPARE(findings.front().suggestion, suggestion);
}

void SpanishTest::guess_data()
{
    QTest::addColumn<QList<QByteArray>>("questions"); // question, then its four answers
    QTest::addColumn<int>("language");
    const QList<QByteArray> spanish{
        "\xBFQui\xE9n fue el rey de Babilonia?|Nabucodonosor|Ciro|Dar\xEDo|Bels\xE1sar",
        "\xBFQu\xE9 hizo el rey con la estatua de oro?|La levant\xF3|La rompi\xF3|La "
        "vendi\xF3|La escondi\xF3",
        "\xBF"
        "Cu\xE1ntos d\xED"
        "as estuvo Mois\xE9s en el monte?|Cuarenta|Siete|Tres|Doce"};
    const QList<QByteArray> english{
        "Who was the king of Babylon?|Nebuchadnezzar|Cyrus|Darius|Belshazzar",
        "What did the king do with the image of gold?|Set it up|Broke it|Sold it|Hid it",
        "How many days was Moses in the mount?|Forty|Seven|Three|Twelve"};
    QTest::newRow("Spanish bank") << spanish << int(BibleLanguage::Spanish);
    QTest::newRow("English bank") << english << int(BibleLanguage::English);
    QTest::newRow("empty bank") << QList<QByteArray>{} << int(BibleLanguage::English);
    QTest::newRow("one Spanish question is too few")
        << spanish.mid(0, 1) << int(BibleLanguage::English);
    QTest::newRow("mixed bank") << spanish + english << int(BibleLanguage::English);
}

void SpanishTest::guess()
{
    QFETCH(QList<QByteArray>, questions);
    QFETCH(int, language);
    QByteArray content;
    for (const QByteArray& question : questions) {
        const QList<QByteArray> texts = question.split('|');
        content +=
            EncodeQuestionLine(0, 1, 0, "1:1", texts[0], texts[1], texts[2], texts[3], texts[4]) +
            "\r\n";
    }
    QuestionList list;
    QuestionRecord record;
    list.fillFromContent(content, record, DecodeMode::Full);
    QCOMPARE(int(BibleLanguage::guess(list)), language);
}

QTEST_GUILESS_MAIN(SpanishTest)
#include "tst_spanish.moc"
