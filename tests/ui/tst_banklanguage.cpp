// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankLanguageLink.h"
#include "BibleLookup.h"
#include "ScriptureDock.h"
#include "SpellChecker.h"
#include "SpellingLink.h"
#include "WindowFixture.h"

#include <QAction>

// The bank's language in the window: chosen per question file from the
// Tools menu, remembered across a reopen and a new session, guessed for a
// Spanish bank opened the first time; the Scripture dock and the spelling
// follow it without a restart.
class BankLanguageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void choiceIsRemembered_data();
    void choiceIsRemembered();

private:
    QTemporaryDir m_home;
};

namespace {

const QString Spanish = QStringLiteral("spanish");

// John 3:16 first, so the dock shows it; Windows-1252 like any bank.
QList<QByteArray> bank(const QString& language)
{
    if (language == Spanish)
        return {EncodeQuestionLine(42, 1, 0, "3:16",
                                   "\xBF"
                                   "A qui\xE9n dio Dios por amor al mundo?",
                                   "Su Hijo", "Un rey", "Un profeta", "Un \xE1ngel"),
                EncodeQuestionLine(26, 1, 0, "3:1", "\xBFQu\xE9 hizo el rey de Babilonia?",
                                   "Una estatua de oro", "Un templo", "Un muro", "Un arca"),
                EncodeQuestionLine(1, 1, 0, "24:18",
                                   "\xBF"
                                   "Cu\xE1ntos d\xED"
                                   "as estuvo Mois\xE9s en el monte?",
                                   "Cuarenta", "Siete", "Tres", "Doce")};
    return {EncodeQuestionLine(42, 1, 0, "3:16", "Whom did God give for the love of the world?",
                               "His Son", "A king", "A prophet", "An angel"),
            EncodeQuestionLine(26, 1, 0, "3:1", "What did the king of Babylon make?",
                               "An image of gold", "A temple", "A wall", "An ark")};
}

} // namespace

void BankLanguageTest::initTestCase()
{
    BibleLookup bible;
    if (!bible.setModule(BibleLanguage::module(BibleLanguage::Spanish)))
        QSKIP("The Reina-Valera 1909 is not installed (sword-text-sparv): skipped");
    if (SpellChecker::dictionaryFile(BibleLanguage::dictionary(BibleLanguage::Spanish)).isEmpty())
        QSKIP("No es_ES Hunspell dictionary is installed (hunspell-es): skipped");
    // The settings and the word lists made from the modules stay here.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       m_home.filePath(QStringLiteral("settings")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("cache"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
}

void BankLanguageTest::choiceIsRemembered_data()
{
    QTest::addColumn<QString>("texts"); // the bank's own language
    QTest::addColumn<int>("chosen");    // from the menu, -1 for none
    QTest::addColumn<bool>("spanish");  // what the bank is read as
    QTest::newRow("English bank") << "english" << -1 << false;
    QTest::newRow("Spanish bank, guessed") << Spanish << -1 << true;
    QTest::newRow("English texts, Spanish chosen")
        << "english" << int(BibleLanguage::Spanish) << true;
    QTest::newRow("Spanish texts, English chosen")
        << Spanish << int(BibleLanguage::English) << false;
}

void BankLanguageTest::choiceIsRemembered()
{
    QFETCH(QString, texts);
    QFETCH(int, chosen);
    QFETCH(bool, spanish);
    WindowFixture fixture;
    const QString file = fixture.writeFile(QStringLiteral("bank.qus"), bank(texts));
    const QString other =
        fixture.writeFile(QStringLiteral("other.qus"), {WindowFixture::question(1)});
    const BibleLanguage::Language expected =
        spanish ? BibleLanguage::Spanish : BibleLanguage::English;

    // Chosen in one session, then the same file opened again after another,
    // and in a new session.
    for (int session = 0; session < 2; ++session) {
        TfrmMain& window = fixture.start({file});
        auto* link = window.findChild<BankLanguageLink*>();
        auto* dock = window.findChild<ScriptureDock*>();
        auto* spelling = window.findChild<SpellingLink*>();
        QVERIFY(link && dock && spelling);
        if (session == 0 && chosen >= 0) {
            QTRY_VERIFY(link->action(BibleLanguage::Language(chosen))->isEnabled());
            link->action(BibleLanguage::Language(chosen))->trigger();
        } else {
            QTRY_COMPARE(link->language(), expected);
        }
        if (session == 0) {
            fixture.open(other);
            QTRY_COMPARE(link->language(), BibleLanguage::English);
            fixture.open(file);
        }
        QTRY_COMPARE(link->language(), expected);
        QVERIFY(link->action(expected)->isChecked());

        // The dock reads the verse from the language's Bible.
        fixture.clickRow(1);
        dock->show();
        const QString verse =
            spanish ? QStringLiteral("John 3:16\nPorque de tal manera amó Dios al mundo")
                    : QStringLiteral("John 3:16\nFor God so loved the world");
        QTRY_VERIFY2(dock->shownText().startsWith(verse), qPrintable(dock->shownText()));

        // The spelling is the language's, with its Bible's names.
        const QString dictionary = BibleLanguage::dictionary(expected);
        QTRY_COMPARE_WITH_TIMEOUT(spelling->checker() ? spelling->checker()->language() : QString(),
                                  dictionary, 120000);
        QCOMPARE(spelling->checker()->isCorrect(QStringLiteral("Nabucodonosor")), spanish);
        QCOMPARE(spelling->checker()->isCorrect(QStringLiteral("profeta")), spanish);
        QVERIFY(!spelling->checker()->isCorrect(QStringLiteral("profetta")));
        fixture.window.reset();
    }
}

QTEST_MAIN(BankLanguageTest)
#include "tst_banklanguage.moc"
