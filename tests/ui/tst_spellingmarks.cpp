// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"
#include "SpellChecker.h"
#include "SpellingLink.h"
#include "WindowFixture.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStandardPaths>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#endif

// The spelling marks in the main window: the window opens without waiting
// for the dictionary and the Bible's word list, the marks come when they
// are read, and a word the author's dictionary could not take is said.
class SpellingMarksTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        if (SpellChecker::dictionaryFile(QStringLiteral("en_US")).isEmpty())
            QSKIP("No en_US Hunspell dictionary is installed (hunspell-en-us): skipped");
        if (!BibleLookup().available())
            QSKIP("No SWORD Bible module is installed (sword-text-kjv): skipped");
        // A home of its own for each case: no word list made yet.
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("cache"))));
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_home->filePath(QStringLiteral("data"))));
    }

    void marksComeWhenTheListsAreRead()
    {
        WindowFixture fixture;
        TfrmMain& window = fixture.start({questionFile(fixture)});
        auto* link = window.findChild<SpellingLink*>();
        QVERIFY(link);
        // The window is up while the word list is still being made.
        QVERIFY(!QFile::exists(wordListCache()));
        QVERIFY(!link->isReady());
        QVERIFY(window.pnlDetails->mmoQuestion->extraSelections().isEmpty());

        QSignalSpy ready(link, &SpellingLink::ready);
        QVERIFY(ready.wait(120000));
        QCOMPARE(window.pnlDetails->mmoQuestion->extraSelections().size(), 1);
        QCOMPARE(window.pnlDetails->mmoQuestion->extraSelections()[0].cursor.selectedText(),
                 QStringLiteral("Zorbaquix"));
        QVERIFY(QFile::exists(wordListCache()));
    }

#if defined(Q_OS_UNIX)
    void failedAddToDictionaryIsSaid()
    {
        const QString dictionary =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
            QStringLiteral("/dictionary.txt");
        QByteArray words;
        for (int i = 0; words.size() < 5000; ++i)
            words += "Quorvale" + QByteArray::number(i) + '\n';
        QDir().mkpath(QFileInfo(dictionary).path());
        QFile file(dictionary);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(words) == words.size());
        file.close();

        WindowFixture fixture;
        TfrmMain& window = fixture.start({questionFile(fixture)});
        auto* link = window.findChild<SpellingLink*>();
        QVERIFY(link);
        QSignalSpy ready(link, &SpellingLink::ready);
        QVERIFY(link->isReady() || ready.wait(120000));

        // The right-button menu over the misspelt word.
        QPlainTextEdit* memo = window.pnlDetails->mmoQuestion;
        QTextCursor at(memo->document());
        at.setPosition(int(memo->toPlainText().indexOf(u"Zorbaquix")) + 2);
        const QPoint point = memo->cursorRect(at).center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, point,
                                memo->viewport()->mapToGlobal(point));
        QApplication::sendEvent(memo->viewport(), &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        auto* add = menu->findChild<QAction*>(QStringLiteral("actAddToDictionary"));
        QVERIFY(add);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        add->trigger();
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
        menu->close();

        const QStringList said = fixture.prompts.informations();
        QCOMPARE(said.size(), 1);
        QVERIFY2(said[0].contains(u"\"Zorbaquix\"") && said[0].contains(qt_error_string(EFBIG)),
                 qPrintable(said[0]));
        QCOMPARE(WindowFixture::readFile(dictionary), words);
        // Accepted until the program ends all the same.
        QVERIFY(memo->extraSelections().isEmpty());
    }
#endif

private:
    static QString questionFile(const WindowFixture& fixture)
    {
        return fixture.writeFile(
            QStringLiteral("spelling.qus"),
            {EncodeQuestionLine(0, 0, 0, "2:7", "Whom did Zorbaquix make of the dust?", "Adam",
                                "Eve", "Cain", "Abel")});
    }

    static QString wordListCache()
    {
        return QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
               QStringLiteral("/bible-words-%1.txt").arg(BibleLookup().moduleName());
    }

    std::unique_ptr<QTemporaryDir> m_home;
};

QTEST_MAIN(SpellingMarksTest)
#include "tst_spellingmarks.moc"
