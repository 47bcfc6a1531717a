// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "AddQuestionCommand.h"
#include "EditQuestionCommand.h"
#include "RecoveryJournal.h"
#include "SafeFileWriter.h"
#include "ToggleDeleteCommand.h"

#include <QDir>
#include <QLabel>
#include <QUndoStack>

namespace {

using Answer = UserPrompts::Answer;

// Each row as "<D or -><M or -> <line>", built from the list as the grid
// shows it.
QStringList rows(const QuestionList& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << QString(list.isDeleted(i) ? "D" : "-") + (list.isModified(i) ? "M" : "-") + ' ' +
                      QString::fromLatin1(list.line(i).toByteArray());
    return result;
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir(RecoveryJournal::folder()).removeRecursively(); }
    void stepsPutRowsBackExactly_data();
    void stepsPutRowsBackExactly();
    void undoReachesTheSavePoint();
    void journalReplaysUnsavedWork_data();
    void journalReplaysUnsavedWork();
    void damagedJournalBringsBackItsCompleteChanges_data();
    void damagedJournalBringsBackItsCompleteChanges();
    void changedFileRecoversIntoAnUntitledList();
    void changesNotKeptAreShownUntilKeptAgain();
    void declinedJournalStaysUntilTheListIsReplaced();
};

void HistoryTest::stepsPutRowsBackExactly_data()
{
    QTest::addColumn<QString>("step");
    QTest::addColumn<QStringList>("after");
    // The file holds "a", "b", "c"; row b is deleted and edited first, so
    // each step starts from marked rows.
    const QStringList before{"-- a", "DM b2", "-- c"};
    QTest::addRow("edit") << "edit" << QStringList{"-- a", "DM b3", "-- c"};
    QTest::addRow("new question") << "add" << QStringList{"-- a", "DM b2", "-- c", "-M d"};
    QTest::addRow("range") << "range" << QStringList{"DM a", "-M b2", "DM c"};
}

void HistoryTest::stepsPutRowsBackExactly()
{
    QFETCH(QString, step);
    QFETCH(QStringList, after);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("abc.qus", {"a", "b", "c"})});
    QuestionDocument& document = w.document();
    QUndoStack& history = w.history();
    history.push(new ToggleDeleteCommand(document, 2, 2));
    history.push(new EditQuestionCommand(document, 1, "b2", "b2"));
    const QStringList before{"-- a", "DM b2", "-- c"};
    QCOMPARE(rows(document.list()), before);

    if (step == "edit")
        history.push(new EditQuestionCommand(document, 1, "b3", "b3"));
    else if (step == "add")
        history.push(new AddQuestionCommand(document, "d", "d"));
    else
        history.push(new ToggleDeleteCommand(document, 0, 3));
    QCOMPARE(rows(document.list()), after);
    history.undo();
    QCOMPARE(rows(document.list()), before);
    QCOMPARE(document.list().questionCell(1).toByteArray(), QByteArray("b2"));
    history.redo();
    QCOMPARE(rows(document.list()), after);
    history.setIndex(0);
    QCOMPARE(rows(document.list()), (QStringList{"-- a", "-- b", "-- c"}));
    QVERIFY(!document.isModified() && !document.list().HasUnsavedChanges());
}

void HistoryTest::undoReachesTheSavePoint()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.pnlDetails->setQuestionText("Saved change?");
    f.clickRow(2);
    QVERIFY(w.isWindowModified());
    QVERIFY(w.fileCommands().mnuFileSaveClick());
    QVERIFY(!w.isWindowModified());
    QCOMPARE(w.mnuActionsUndo->text(), QStringLiteral("&Undo Edit of question 1"));

    // The save read the file again and shows its first question.
    w.pnlDetails->setQuestionText("Unsaved change?");
    f.clickRow(2);
    QVERIFY(w.isWindowModified());
    QVERIFY(QFile::exists(RecoveryJournal::journalPathOf(file)));
    w.mnuActionsUndo->trigger();
    QVERIFY(!w.isWindowModified());
    QVERIFY2(!QFile::exists(RecoveryJournal::journalPathOf(file)), "nothing left to recover");
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Saved change?"));
    // Behind the save point the file no longer matches the list.
    w.mnuActionsUndo->trigger();
    QVERIFY(w.isWindowModified());
    QVERIFY(!w.mnuActionsUndo->isEnabled() && !w.btnUndo->isEnabled());
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Question 1?"));
    QCOMPARE(w.mnuActionsRedo->text(), QStringLiteral("&Redo Edit of question 1"));
    QCOMPARE(f.prompts.unexpected, QStringList());
}

void HistoryTest::journalReplaysUnsavedWork_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("recovered") << Answer::Yes << QStringList{"DM x1", "-M x2", "-M x3"};
    QTest::addRow("set aside") << Answer::No << QStringList{"-- a", "-- b"};
}

void HistoryTest::journalReplaysUnsavedWork()
{
    QFETCH(Answer, answer);
    QFETCH(QStringList, expected);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {"a", "b"});
    {
        // The first editor stops without closing, as a killed one would.
        auto& w = f.start({file});
        w.history().push(new EditQuestionCommand(w.document(), 0, "x1", "x1"));
        w.history().push(new EditQuestionCommand(w.document(), 1, "x2", "x2"));
        w.history().push(new AddQuestionCommand(w.document(), "x4", "x4"));
        w.history().undo();
        w.history().push(new AddQuestionCommand(w.document(), "x3", "x3"));
        w.history().push(new ToggleDeleteCommand(w.document(), 1, 2));
        w.history().push(new ToggleDeleteCommand(w.document(), 2, 2));
        f.window.reset();
    }
    f.prompts.answers.enqueue(answer);
    TfrmMain& w = f.start({file});

    QCOMPARE(f.prompts.shown.size(), answer == Answer::Yes ? 2 : 1);
    QVERIFY2(f.prompts.shown[0].contains(QRegularExpression(
                 "^confirm: .*quiz.qus has unsaved changes from .+ that were not saved. "
                 "Recover them\\?$")),
             qPrintable(f.prompts.shown[0]));
    if (answer == Answer::Yes)
        QCOMPARE(f.prompts.shown[1],
                 "info: 7 unsaved changes of " + QDir::toNativeSeparators(file) + " came back.");
    QCOMPARE(rows(w.document().list()), expected);
    QCOMPARE(w.isWindowModified(), answer == Answer::Yes);
    QCOMPARE(QFile::exists(RecoveryJournal::journalPathOf(file)), answer == Answer::Yes);
    QCOMPARE(QDir(RecoveryJournal::folder()).entryList({"*.old"}).size(),
             answer == Answer::Yes ? 0 : 1);
}

void HistoryTest::damagedJournalBringsBackItsCompleteChanges_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("message"); // what follows "info: " and the file's name
    QTest::addRow("kill -9 in the last change")
        << "cut" << QStringList{"-M x1", "-- b"}
        << " came back. The end of their journal was cut short (at byte ";
    QTest::addRow("journal of an older version")
        << "older" << QStringList{"-- a", "-- b"} << " cannot be recovered: the journal ";
}

void HistoryTest::damagedJournalBringsBackItsCompleteChanges()
{
    QFETCH(QString, damage);
    QFETCH(QStringList, expected);
    QFETCH(QString, message);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {"a", "b"});
    const QString journal = RecoveryJournal::journalPathOf(file);
    {
        auto& w = f.start({file});
        w.history().push(new EditQuestionCommand(w.document(), 0, "x1", "x1"));
        w.history().push(new EditQuestionCommand(w.document(), 1, "x2", "x2"));
        f.window.reset();
    }
    QFile journalFile(journal);
    QVERIFY(journalFile.open(QIODevice::ReadWrite));
    QByteArray damaged = journalFile.readAll();
    if (damage == "cut")
        damaged.chop(3);
    else
        damaged = "QVED3 RECOVERY 1\nsize 6\nmodified 0\nfile quiz.qus\nR 1 2 40 0\nshort\n";
    QVERIFY(journalFile.resize(0) && journalFile.write(damaged) == damaged.size());
    journalFile.close();

    f.prompts.answers.enqueue(Answer::Yes);
    TfrmMain& w = f.start({file});
    QCOMPARE(f.prompts.shown.size(), 2);
    const QString info = f.prompts.shown[1];
    const QString start = "info: " +
                          (damage == "cut" ? QStringLiteral("1 unsaved change of ")
                                           : QStringLiteral("The unsaved changes of ")) +
                          QDir::toNativeSeparators(file) + message;
    QVERIFY2(info.startsWith(start), qPrintable(info));
    // The damaged journal is kept, byte for byte, where the message says.
    const QStringList kept = QDir(RecoveryJournal::folder()).entryList({"*.old"});
    QCOMPARE(kept.size(), 1);
    const QString keptPath = RecoveryJournal::folder() + u'/' + kept[0];
    QVERIFY2(info.endsWith(" The journal was kept as " + QDir::toNativeSeparators(keptPath) + "."),
             qPrintable(info));
    QCOMPARE(WindowFixture::readFile(keptPath), damaged);
    QCOMPARE(rows(w.document().list()), expected);
    QCOMPARE(w.isWindowModified(), damage == "cut");
    // The changes that came back are journalled again at once.
    QCOMPARE(QFile::exists(journal), damage == "cut");
    QCOMPARE(f.prompts.unexpected, QStringList());
}

void HistoryTest::changedFileRecoversIntoAnUntitledList()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {"a", "b"});
    {
        auto& w = f.start({file});
        w.history().push(new EditQuestionCommand(w.document(), 0, "x1", "x1"));
        f.window.reset();
    }
    // A colleague adds a question at the top.
    f.writeFile("quiz.qus", {"new", "a", "b"});
    f.prompts.answers.enqueue(Answer::Yes);
    TfrmMain& w = f.start({file});

    QCOMPARE(f.prompts.shown.size(), 2);
    QVERIFY2(f.prompts.shown[0].endsWith(" The file has been changed since then: they would come "
                                         "back as a new untitled list. Recover them?"),
             qPrintable(f.prompts.shown[0]));
    const QString name = QDir::toNativeSeparators(file);
    QCOMPARE(f.prompts.shown[1],
             "info: 1 unsaved change of " + name + " came back. " + name +
                 " was changed since those changes were made, so they were put back over the "
                 "file as it was then, in a new untitled list: save it under a name of your "
                 "choice.");
    QVERIFY(w.document().isUntitled());
    QVERIFY(w.isWindowModified());
    QCOMPARE(rows(w.document().list()), (QStringList{"-M x1", "-- b"}));

    f.prompts.fileNames.enqueue(f.path("mine.qus"));
    QVERIFY(w.fileCommands().mnuFileSaveClick());
    QCOMPARE(WindowFixture::readFile(f.path("mine.qus")), QByteArray("x1\r\nb\r\n"));
    QCOMPARE(WindowFixture::readFile(file), QByteArray("new\r\na\r\nb\r\n"));
    QVERIFY2(!QFile::exists(RecoveryJournal::journalPathOf(file)), "the work is saved");
    QCOMPARE(f.prompts.unexpected, QStringList());
}

void HistoryTest::changesNotKeptAreShownUntilKeptAgain()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {"a", "b"});
    TfrmMain& w = f.start({file});
    auto* marker = w.findChild<QLabel*>("stbJournal");
    QVERIFY(marker && !marker->isVisible());
    SafeFileWriter::setSyncForTesting([](int) {
        errno = ENOSPC;
        return -1;
    });
    w.history().push(new EditQuestionCommand(w.document(), 0, "x1", "x1"));
    w.history().push(new EditQuestionCommand(w.document(), 1, "x2", "x2"));
    const bool shownWhileFailing = marker->isVisible();
    const QString titleWhileFailing = w.windowTitle();
    SafeFileWriter::setSyncForTesting(nullptr);
    QVERIFY(shownWhileFailing);
    QVERIFY2(titleWhileFailing.endsWith("quiz.qus[*] (not kept for recovery)"),
             qPrintable(titleWhileFailing));
    // Told once, not at every change.
    QCOMPARE(f.prompts.informations().size(), 1);
    QVERIFY(f.prompts.informations()[0].contains(qt_error_string(ENOSPC)));

    w.history().push(new EditQuestionCommand(w.document(), 0, "x3", "x3"));
    QVERIFY(!marker->isVisible());
    QVERIFY(w.windowTitle().endsWith("quiz.qus[*]"));
    QuestionRecord record;
    const JournalReplay replayed = RecoveryJournal::replay(file, record);
    QCOMPARE(replayed.changes(), 3);
    QCOMPARE(rows(replayed.list), (QStringList{"-M x3", "-M x2"}));
}

QTEST_MAIN(HistoryTest)
// "No" to saving before Open, then no file chosen: the list stays, and so
// must the journal of its unsaved changes.
void HistoryTest::declinedJournalStaysUntilTheListIsReplaced()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.stgQuestions->selectGridRow(1);
    w.editing().popToggleDeleteClick();
    const QString journal = RecoveryJournal::journalPathOf(file);
    QVERIFY(QFile::exists(journal));

    f.prompts.answers.enqueue(Answer::No);
    f.open(QString()); // the file dialog cancelled
    QVERIFY(w.document().isModified());
    QVERIFY(QFile::exists(journal));

    f.prompts.answers.enqueue(Answer::No);
    f.open(f.writeFile("other.qus", {f.question(3)}));
    QCOMPARE(w.document().list().count(), 1);
    QVERIFY(!QFile::exists(journal));
}

#include "tst_history.moc"
