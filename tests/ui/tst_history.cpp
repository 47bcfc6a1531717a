#include "WindowFixture.h"

#include "AddQuestionCommand.h"
#include "EditQuestionCommand.h"
#include "RecoveryJournal.h"
#include "ToggleDeleteCommand.h"

#include <QDir>
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
    void damagedJournalIsRefused();
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

    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY2(f.prompts.shown[0].contains(QRegularExpression(
                 "^confirm: .*quiz.qus has unsaved changes from .+ that were not saved. "
                 "Recover them\\?$")),
             qPrintable(f.prompts.shown[0]));
    QCOMPARE(rows(w.document().list()), expected);
    QCOMPARE(w.isWindowModified(), answer == Answer::Yes);
    QCOMPARE(QFile::exists(RecoveryJournal::journalPathOf(file)), answer == Answer::Yes);
    QCOMPARE(QDir(RecoveryJournal::folder()).entryList({"*.old"}).size(),
             answer == Answer::Yes ? 0 : 1);
}

void HistoryTest::damagedJournalIsRefused()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {"a", "b"});
    QDir().mkpath(RecoveryJournal::folder());
    QFile journal(RecoveryJournal::journalPathOf(file));
    QVERIFY(journal.open(QIODevice::WriteOnly));
    journal.write("QVED3 RECOVERY 1\nsize 6\nmodified 0\nfile quiz.qus\nR 1 2 40 0\nshort\n");
    journal.close();
    f.prompts.answers.enqueue(Answer::Yes);
    TfrmMain& w = f.start({file});

    QCOMPARE(f.prompts.shown.size(), 2);
    QVERIFY(f.prompts.shown[0].contains("The file has been changed since then. Recover them?"));
    QVERIFY2(f.prompts.shown[1].startsWith("info: The unsaved changes of " +
                                           QDir::toNativeSeparators(file) +
                                           " cannot be recovered: their journal is damaged (at "
                                           "byte"),
             qPrintable(f.prompts.shown[1]));
    QCOMPARE(rows(w.document().list()), (QStringList{"-- a", "-- b"}));
    QVERIFY(!w.isWindowModified());
    QVERIFY(!QFile::exists(journal.fileName()));
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
