// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"
#include "SpellChecker.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace {

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(content) != content.size())
        qFatal("cannot write %s", qPrintable(path));
}

int mode(const QString& path)
{
#if defined(Q_OS_UNIX)
    struct stat status
    {
    };
    return stat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 0777)
                                                                   : -1;
#else
    Q_UNUSED(path);
    return 0600;
#endif
}

// Names and old forms the plain dictionary refuses, from the middle and the
// end of the sorted list.
const QStringList BibleWords{QStringLiteral("Mahalaleel"), QStringLiteral("Zerubbabel"),
                             QStringLiteral("shewbread")};

} // namespace

// The Bible's word list in its cache file, and the author's dictionary: a
// damaged list is never used, and no editor's word is ever lost.
class WordListTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (!m_bible.available())
            QSKIP("No SWORD Bible module is installed (sword-text-kjv): skipped");
        SpellChecker checker;
        if (!checker.loadDictionary(QStringLiteral("en_US")))
            QSKIP("No en_US Hunspell dictionary is installed (hunspell-en-us): skipped");
        // A list made from the module, to damage below.
        checker.addBibleWords(m_bible, m_dir.filePath(QStringLiteral("made")));
        m_valid = readFile(cacheIn(QStringLiteral("made")));
        const QByteArray heading = m_valid.left(m_valid.indexOf('\n'));
        QVERIFY2(heading.startsWith("qved3-bible-words 1 module=" + m_bible.moduleName().toUtf8() +
                                    " version=" + m_bible.moduleVersion().toUtf8() + " words="),
                 heading.constData());
        QVERIFY(m_valid.contains("\nMahalaleel\n"));
        // The King James text: some 13,000 words in about 100 KB.
        QVERIFY2(m_valid.size() > 50'000 && m_valid.size() < 400'000,
                 QByteArray::number(m_valid.size()).constData());
    }

    void damagedListIsMadeAgain_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("one word changed") << "changed";
        QTest::newRow("far over the size bound") << "oversize";
        QTest::newRow("another module version") << "version";
        QTest::newRow("no heading") << "headless";
    }

    void damagedListIsMadeAgain()
    {
        QFETCH(QString, damage);
        const qsizetype headingEnd = m_valid.indexOf('\n') + 1;
        QByteArray damaged = m_valid;
        if (damage == "truncated") {
            damaged.truncate(m_valid.size() / 4);
        } else if (damage == "changed") {
            damaged.replace("\nMahalaleel\n", "\nMahalaleex\n");
        } else if (damage == "oversize") {
            damaged = m_valid.left(headingEnd);
            while (damaged.size() < 3 * 1024 * 1024)
                damaged += "Zorbaquix\n";
        } else if (damage == "version") {
            damaged.replace(" version=" + m_bible.moduleVersion().toUtf8() + ' ', " version=0.1 ");
            damaged.replace("\nMahalaleel\n", "\n");
        } else {
            damaged = m_valid.mid(headingEnd).replace("\nMahalaleel\n", "\n");
        }
        QVERIFY(damaged != m_valid);
        const QString folder = m_dir.filePath(damage);
        writeFile(cacheIn(damage), damaged);

        SpellChecker checker;
        QVERIFY(checker.loadDictionary(QStringLiteral("en_US")));
        checker.addBibleWords(m_bible, folder);
        for (const QString& word : BibleWords)
            QVERIFY2(checker.isCorrect(word), qPrintable(word));
        QVERIFY(!checker.isCorrect(QStringLiteral("Mahalaleex")));
        QVERIFY(!checker.isCorrect(QStringLiteral("Zorbaquix")));
        QCOMPARE(readFile(cacheIn(damage)), m_valid);
        QCOMPARE(mode(cacheIn(damage)), 0600);
        QCOMPARE(mode(folder), 0700);
    }

    // The list installed with the program is used as it is; the user's
    // cache is made only when it does not match.
    void prebuiltListComesFirst_data()
    {
        QTest::addColumn<bool>("prebuiltValid");
        QTest::newRow("valid prebuilt list") << true;
        QTest::newRow("damaged prebuilt list") << false;
    }

    void prebuiltListComesFirst()
    {
        QFETCH(bool, prebuiltValid);
        const QString name = prebuiltValid ? QStringLiteral("valid") : QStringLiteral("damaged");
        const QString prebuilt = m_dir.filePath(QStringLiteral("prebuilt-") + name);
        const QString cache = m_dir.filePath(QStringLiteral("cache-") + name + "/sub");
        writeFile(prebuilt + u'/' + fileName(),
                  prebuiltValid ? m_valid : m_valid.left(m_valid.size() / 2));

        SpellChecker checker;
        QVERIFY(checker.loadDictionary(QStringLiteral("en_US")));
        checker.addBibleWords(m_bible, cache, {prebuilt});
        for (const QString& word : BibleWords)
            QVERIFY2(checker.isCorrect(word), qPrintable(word));
        QCOMPARE(QFile::exists(cache + u'/' + fileName()), !prebuiltValid);
        if (!prebuiltValid) {
            QCOMPARE(readFile(cache + u'/' + fileName()), m_valid);
            QCOMPARE(mode(cache), 0700);
            QCOMPARE(mode(QFileInfo(cache).path()), 0700);
        }
    }

    // Two editors add words to the same list, each having read it before the
    // other wrote: both words are kept, and each editor learns the other's.
    void dictionaryKeepsEveryEditorsWords()
    {
        const QString path = m_dir.filePath(QStringLiteral("data/own/dictionary.txt"));
        SpellChecker first;
        SpellChecker second;
        first.usePersonalList(path);
        second.usePersonalList(path);
        QVERIFY(first.addToPersonalList(QStringLiteral("Zorbaquix")).ok);
        QVERIFY(second.addToPersonalList(QStringLiteral("Quorvale")).ok);
        QVERIFY(second.addToPersonalList(QStringLiteral("Zorbaquix")).ok);
        QCOMPARE(readFile(path), QByteArray("Zorbaquix\nQuorvale\n"));
        QVERIFY(second.isCorrect(QStringLiteral("Zorbaquix")));
        QCOMPARE(mode(path), 0600);
        QCOMPARE(mode(QFileInfo(path).path()), 0700);
        QCOMPARE(mode(m_dir.filePath(QStringLiteral("data"))), 0700);
    }

#if defined(Q_OS_UNIX)
    // A dictionary that cannot be written is left as it was, and the
    // failure says the platform's reason.
    void dictionaryWriteFailureIsReported()
    {
        const QString path = m_dir.filePath(QStringLiteral("full/dictionary.txt"));
        QByteArray words;
        for (int i = 0; words.size() < 5000; ++i)
            words += "Quorvale" + QByteArray::number(i) + '\n';
        writeFile(path, words);
        SpellChecker checker;
        QVERIFY(checker.loadDictionary(QStringLiteral("en_US")));
        checker.usePersonalList(path);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const WriteResult result = checker.addToPersonalList(QStringLiteral("Zorbaquix"));
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!result.ok);
        QCOMPARE(result.platformText, qt_error_string(EFBIG));
        QCOMPARE(readFile(path), words);
        // Accepted until the program ends all the same.
        QVERIFY(checker.isCorrect(QStringLiteral("Zorbaquix")));
    }
#endif

private:
    QString fileName() const
    {
        return QStringLiteral("bible-words-%1.txt").arg(m_bible.moduleName());
    }
    QString cacheIn(const QString& folder) const
    {
        return m_dir.filePath(folder) + u'/' + fileName();
    }

    BibleLookup m_bible;
    QTemporaryDir m_dir;
    QByteArray m_valid;
};

QTEST_GUILESS_MAIN(WordListTest)
#include "tst_wordlists.moc"
