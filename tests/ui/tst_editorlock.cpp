// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "EditorLock.h"
#include "RecoveryJournal.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QSysInfo>
#include <QUndoStack>

#include <sys/wait.h>
#include <unistd.h>

namespace {

using Answer = UserPrompts::Answer;

// What the second editor is told about a file this test process holds.
QString heldMessage(const QString& file)
{
    const QString lockPath = EditorLock::lockPathOf(file);
    return "read-only: " + QDir::toNativeSeparators(file) + " is already open for editing in " +
           QFileInfo(QCoreApplication::applicationFilePath()).fileName() + ", process " +
           QString::number(QCoreApplication::applicationPid()) + " on " +
           QSysInfo::machineHostName() + ", since " +
           QLocale().toString(QFileInfo(lockPath).lastModified(), QLocale::ShortFormat) +
           ".\r\nOpen it read-only?";
}

// True when another editor could take the file now.
bool isFree(const QString& file)
{
    QLockFile probe(EditorLock::lockPathOf(file));
    probe.setStaleLockTime(0);
    if (!probe.tryLock(0))
        return false;
    probe.unlock();
    return true;
}

void lockFromAKilledEditor(const QString& file)
{
    const QString lockPath = EditorLock::lockPathOf(file);
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(lockPath);
        lock.setStaleLockTime(0);
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

QList<QAction*> storingCommands(TfrmMain& w)
{
    return {w.btnSave,       w.mnuFileSave,      w.btnAdd,
            w.mnuActionsAdd, w.btnEdit,          w.mnuActionsEdit,
            w.btnDelete,     w.mnuActionsDelete, w.popAdd,
            w.popEdit,       w.popToggleDelete,  w.findChild<QAction*>("mnuToolsFindReplace")};
}

QString caption(const QString& file, bool readOnly)
{
    return "Quorvale Question Editor - " + file + (readOnly ? " (read only)" : "") + "[*]";
}

} // namespace

class EditorLockTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir(RecoveryJournal::folder()).removeRecursively(); }
    void secondEditorIsTold_data();
    void secondEditorIsTold();
    void liveEditorsJournalIsNotOffered();
    void killedEditorsJournalIsOffered();
    void lockIsLetGo_data();
    void lockIsLetGo();
    void saveAsNeverWritesOverAHeldFile();
    void saveAsFromReadOnlyEditsTheNewFile();
};

void EditorLockTest::secondEditorIsTold_data()
{
    QTest::addColumn<QString>("holder");
    QTest::addColumn<QString>("how"); // the second editor opens by "menu" or "command line"
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::newRow("another process, read-only") << "process"
                                                << "menu" << Answer::Yes << true;
    QTest::newRow("another process, cancel") << "process"
                                             << "menu" << Answer::Cancel << true;
    QTest::newRow("another window, read-only") << "window"
                                               << "menu" << Answer::Yes << true;
    QTest::newRow("command line, read-only") << "process"
                                             << "command line" << Answer::Yes << true;
    QTest::newRow("command line, cancel") << "process"
                                          << "command line" << Answer::Cancel << true;
    QTest::newRow("killed editor's lock is taken over") << "killed"
                                                        << "menu" << Answer::Yes << false;
}

void EditorLockTest::secondEditorIsTold()
{
    QFETCH(QString, holder);
    QFETCH(QString, how);
    QFETCH(Answer, answer);
    QFETCH(bool, asked);
    WindowFixture f;
    const QString first = f.writeFile("first.qus", {f.question(1)});
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    const QByteArray oldBackup = "the backup of the first editor\r\n";
    f.writeFile("quiz.qbk", {"the backup of the first editor"});

    QLockFile otherProcess(EditorLock::lockPathOf(file));
    WindowFixture other;
    if (holder == "process") {
        QDir().mkpath(RecoveryJournal::folder());
        QVERIFY(otherProcess.tryLock(0));
    } else if (holder == "window") {
        other.start({file});
        QCOMPARE(other.window->document().fileName(), file);
        f.writeFile("quiz.qbk", {"the backup of the first editor"});
    } else {
        lockFromAKilledEditor(file);
    }
    const QString expectedMessage = heldMessage(file);

    if (asked)
        f.prompts.answers.enqueue(answer);
    TfrmMain& w = f.start(how == "menu" ? QStringList{first} : QStringList{file});
    if (how == "menu") {
        f.prompts.takeShown();
        f.open(file);
    }
    QCOMPARE(f.prompts.unexpected, QStringList());
    QStringList expectedShown;
    if (how == "menu")
        expectedShown << "open dialog";
    if (asked)
        expectedShown << expectedMessage;
    QCOMPARE(f.prompts.shown, expectedShown);

    const bool readOnly = asked && answer == Answer::Yes;
    const bool opened = !asked || readOnly;
    if (!opened) {
        QCOMPARE(w.document().fileName(), how == "menu" ? first : QString("[Untitled]"));
        QCOMPARE(f.readFile(f.path("quiz.qbk")), oldBackup);
        return;
    }
    QCOMPARE(w.document().fileName(), file);
    QCOMPARE(w.document().isReadOnly(), readOnly);
    QCOMPARE(w.windowTitle(), caption(file, readOnly));
    for (QAction* item : storingCommands(w))
        QVERIFY2(item->isEnabled() == !readOnly, qPrintable(item->objectName()));
    for (QAction* item : {w.mnuFileSaveAs, w.mnuActionsSearch, w.mnuReports, w.mnuFileOpen})
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
    QCOMPARE(w.pnlDetails->edtRef->isReadOnly(), readOnly);
    QCOMPARE(w.pnlDetails->mmoQuestion->isReadOnly(), readOnly);
    // A read-only window leaves the first editor's backup alone.
    QCOMPARE(f.readFile(f.path("quiz.qbk")) == oldBackup, readOnly);
    // Whoever held the file before still does, or this editor now does.
    QVERIFY(!isFree(file));

    // Nothing can be stored, so nothing is journalled.
    w.stgQuestions->selectGridRow(2);
    w.editing().popToggleDeleteClick();
    w.pnlDetails->edtRef->setText("2:2");
    f.clickRow(1);
    QCOMPARE(w.document().isModified(), !readOnly);
    QCOMPARE(QFile::exists(RecoveryJournal::journalPathOf(file)), !readOnly);
}

// The first editor has unsaved changes in its journal; the second, read-only,
// never offers them and never touches them.
void EditorLockTest::liveEditorsJournalIsNotOffered()
{
    WindowFixture first;
    const QString file = first.writeFile("quiz.qus", {first.question(1), first.question(2)});
    TfrmMain& editor = first.start({file});
    editor.stgQuestions->selectGridRow(2);
    editor.editing().popToggleDeleteClick();
    const QString journal = RecoveryJournal::journalPathOf(file);
    const QByteArray journalled = WindowFixture::readFile(journal);
    QVERIFY(QFile::exists(journal) && !journalled.isEmpty());

    WindowFixture second;
    second.prompts.answers.enqueue(Answer::Yes);
    TfrmMain& viewer = second.start({file});
    QCOMPARE(second.prompts.shown, QStringList{heldMessage(file)});
    QVERIFY(!viewer.document().list().isDeleted(1));
    QVERIFY(!viewer.isWindowModified());
    second.window->close();
    second.window.reset();
    QCOMPARE(WindowFixture::readFile(journal), journalled);
    QVERIFY(editor.document().list().isDeleted(1));
}

// The editor that was killed left its lock and its journal: the next one
// takes the lock over and offers the unsaved work back.
void EditorLockTest::killedEditorsJournalIsOffered()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    {
        TfrmMain& killed = f.start({file});
        killed.stgQuestions->selectGridRow(2);
        killed.editing().popToggleDeleteClick();
        f.window.reset();
    }
    lockFromAKilledEditor(file);
    QVERIFY(QFile::exists(RecoveryJournal::journalPathOf(file)));
    f.prompts.answers.enqueue(Answer::Yes);
    TfrmMain& w = f.start({file});
    // The question, then how many changes came back.
    QCOMPARE(f.prompts.shown.size(), 2);
    QVERIFY2(f.prompts.shown[0].startsWith("confirm: "), qPrintable(f.prompts.shown[0]));
    QVERIFY2(f.prompts.shown[1].contains("1 unsaved change of"), qPrintable(f.prompts.shown[1]));
    QVERIFY(w.document().list().isDeleted(1));
    QVERIFY(!w.document().isReadOnly());
    QVERIFY(!isFree(file));
}

void EditorLockTest::lockIsLetGo_data()
{
    QTest::addColumn<QString>("step");
    QTest::newRow("New") << "new";
    QTest::newRow("Open of another file") << "open";
    QTest::newRow("Open of another file, read-only") << "open read-only";
    QTest::newRow("window closed") << "close";
}

void EditorLockTest::lockIsLetGo()
{
    QFETCH(QString, step);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1)});
    const QString next = f.writeFile("next.qus", {f.question(2)});
    QLockFile otherProcess(EditorLock::lockPathOf(next));
    TfrmMain& w = f.start({file});
    QVERIFY(!isFree(file));
    // Reopening the file it holds keeps the lock and asks nothing.
    f.open(file);
    QCOMPARE(f.prompts.shown, QStringList{"open dialog"});
    QVERIFY(!w.document().isReadOnly());

    if (step == "new") {
        w.fileCommands().mnuFileNewClick();
    } else if (step.startsWith("open")) {
        if (step == "open read-only") {
            QVERIFY(otherProcess.tryLock(0));
            f.prompts.answers.enqueue(Answer::Yes);
        }
        f.open(next);
        QCOMPARE(w.document().fileName(), next);
    } else {
        w.close();
        f.window.reset();
    }
    QCOMPARE(f.prompts.unexpected, QStringList());
    QVERIFY(isFree(file));
}

void EditorLockTest::saveAsNeverWritesOverAHeldFile()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1)});
    const QString held = f.writeFile("held.qus", {f.question(7)});
    QDir().mkpath(RecoveryJournal::folder());
    QLockFile otherProcess(EditorLock::lockPathOf(held));
    QVERIFY(otherProcess.tryLock(0));
    TfrmMain& w = f.start({file});
    f.prompts.fileNames.enqueue(held);
    QVERIFY(!w.fileCommands().mnuFileSaveAsClick());
    QCOMPARE(f.prompts.informations(),
             QStringList{
                 heldMessage(held)
                     .mid(QString("read-only: ").size())
                     .replace(" is already open for editing in ", " is open for editing in ")
                     .replace(".\r\nOpen it read-only?", ". Save the list under another name.")});
    QCOMPARE(f.readFile(held), QByteArray(f.question(7) + "\r\n"));
    QCOMPARE(w.document().fileName(), file);
}

// Save As stays on in a read-only window: the list goes to a new name, which
// this editor then holds and edits.
void EditorLockTest::saveAsFromReadOnlyEditsTheNewFile()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    QDir().mkpath(RecoveryJournal::folder());
    QLockFile otherProcess(EditorLock::lockPathOf(file));
    QVERIFY(otherProcess.tryLock(0));
    f.prompts.answers.enqueue(Answer::Yes);
    TfrmMain& w = f.start({file});
    QVERIFY(w.document().isReadOnly());

    const QString copy = f.path("copy.qus");
    f.prompts.fileNames.enqueue(copy);
    QVERIFY(w.fileCommands().mnuFileSaveAsClick());
    QCOMPARE(f.readFile(copy), f.readFile(file));
    QCOMPARE(w.document().fileName(), copy);
    QVERIFY(!w.document().isReadOnly());
    QCOMPARE(w.windowTitle(), caption(copy, false));
    QVERIFY(w.btnSave->isEnabled() && w.mnuActionsAdd->isEnabled());
    QVERIFY(!isFree(copy));
    QCOMPARE(f.prompts.unexpected, QStringList());
}

QTEST_MAIN(EditorLockTest)
#include "tst_editorlock.moc"
