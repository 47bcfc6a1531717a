// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "HelpWindow.h"
#include "QuestionGridModel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <sys/resource.h>
#include <unistd.h>
#endif

#include "RadioGroup.h"

namespace {

QList<QAction*> governedItems(TfrmMain& w)
{
    return {w.btnSave,
            w.mnuFileSave,
            w.mnuFileSaveAs,
            w.btnAdd,
            w.mnuActionsAdd,
            w.btnEdit,
            w.mnuActionsEdit,
            w.btnDelete,
            w.mnuActionsDelete,
            w.btnCancelEdit,
            w.mnuActionsCancelEdit,
            w.btnGoTo,
            w.mnuActionsSearch,
            w.btnReports,
            w.mnuReports};
}

bool allEnabled(TfrmMain& w, bool on)
{
    for (QAction* item : governedItems(w)) {
        if (item->isEnabled() != on)
            return false;
    }
    return true;
}

const QString BackupMessage =
    "info: Please use the Save As option to avoid overwriting a backup file.";

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyWithoutArguments();
    void startsWithCommandLineFile();
    void startsWithMissingCommandLineFile();
    void commandLineFileShownBeforeSettings();
    void openMakesBackupCopy_data();
    void openMakesBackupCopy();
    void openWhoseBackupFailsKeepsPreviousFile();
    void openOfUnreadableFileKeepsPreviousName();
    void openWithoutMemoryKeepsPreviousFile();
    void openOfEmptyFileShowsEmptyGrid();
    void lineThatDoesNotDecodeKeepsThePreviousFile();
    void clickBelowTheLastRowKeepsTheSelection();
    void saveWithoutChangesDoesNothing();
    void saveRefusesLowerCaseBackupOnly();
    void saveWritesAndReloads();
    void saveAsWritesUnderNewName();
    void newAsksAndStartsUntitledList_data();
    void newAsksAndStartsUntitledList();
    void closeCheck_data();
    void closeCheck();
    void keyboardWalksThePanel_data();
    void keyboardWalksThePanel();
    void changedOnDiskAsksBeforeSave_data();
    void changedOnDiskAsksBeforeSave();
    void writeFailureKeepsFileAndMarks();
    void settingsAreRead_data();
    void settingsAreRead();
    void firstRunWritesTheSettings();
    void clockShowsAtOnce();
    void questionColumnFillsGridAfterResize();
    void rebuildValidationTable();
    void helpWithoutViewerShowsOwnHelp_data();
    void helpWithoutViewerShowsOwnHelp();
    void onlyTheDescribedItemsHaveShortcuts();
    void controlsCarryTheirNames();
    void errorsEscapingACommandAreShown();
    void searchOpensTheChosenRow_data();
    void searchOpensTheChosenRow();
};

void MainWindowTest::startsEmptyWithoutArguments()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Quorvale Question Editor"));
    QCOMPARE(w.stgQuestions->model()->rowCount(), 0);
    QVERIFY(allEnabled(w, false));
    for (QAction* item : {w.mnuFileOpen, w.btnOpen, w.mnuFileNew, w.mnuFileExit, w.btnExit,
                          w.mnuOptionsRebuildValidationTable, w.popAdd, w.popEdit})
        QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
    QVERIFY(!w.pnlDetails->btnSaveNew->isVisible());
    QVERIFY(w.pnlDetails->chkValidate->isChecked());
    QCOMPARE(w.pnlDetails->cbxBook->currentIndex(), -1);
    QCOMPARE(w.pnlDetails->cbxBook->count(), 68);
    QCOMPARE(w.pnlDetails->rgpLevel->itemIndex(), -1);
    QCOMPARE(w.pnlDetails->rgpCorrect->itemIndex(), -1);
    QCOMPARE(w.document().fileName(), QStringLiteral("[Untitled]"));
    QVERIFY(w.table().ValidationTableLoaded());
    QCOMPARE(f.prompts.shown, QStringList());
}

void MainWindowTest::startsWithCommandLineFile()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    QCOMPARE(w.windowTitle(), "Quorvale Question Editor - " + file + "[*]");
    QCOMPARE(w.stgQuestions->model()->rowCount(), 2);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 1"));
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Question 1?"));
    QVERIFY(allEnabled(w, true));
    QVERIFY2(f.readFile(f.path("quiz.qbk")) == f.readFile(file),
             "the command line makes the backup File > Open makes");
}

void MainWindowTest::startsWithMissingCommandLineFile()
{
    WindowFixture f;
    TfrmMain& w = f.start({f.path("missing.qus")});
    QCOMPARE(f.prompts.shown,
             QStringList{"info: The question file specified on the command line could not be "
                         "found. Please re-check and try again or load it manually from the "
                         "menu or toolbar."});
    QCOMPARE(w.document().fileName(), QStringLiteral("[Untitled]"));
    QVERIFY(allEnabled(w, false));
}

void MainWindowTest::commandLineFileShownBeforeSettings()
{
    WindowFixture f;
    QSettings(EditorSettings::Organization, EditorSettings::Application)
        .setValue("Preferences/ResetValidate", "0");
    const QString file = f.writeFile("quiz.qus", {f.question(1)});
    TfrmMain& w = f.start({file});
    // The first question was shown with the built-in state, Reset Validate on.
    QVERIFY(w.pnlDetails->chkValidate->isChecked());
    QVERIFY(!w.mnuOptionsResetValidate->isChecked());
}

void MainWindowTest::openMakesBackupCopy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("backup");
    QTest::newRow("question file") << "quiz.qus"
                                   << "quiz.qbk";
    QTest::newRow("no extension") << "notes"
                                  << "notes.qbk";
    QTest::newRow("other extension") << "quiz.txt"
                                     << "quiz.qbk";
    QTest::newRow("upper-case backup gets none") << "X.QBK"
                                                 << "";
    QTest::newRow("dotted folder, plain name") << "my.folder/notes"
                                               << "my.folder/notes.qbk";
}

void MainWindowTest::openMakesBackupCopy()
{
    QFETCH(QString, name);
    QFETCH(QString, backup);
    WindowFixture f;
    QDir(f.dir.path()).mkpath("my.folder");
    const QString file = f.writeFile(name, {f.question(1), f.question(2)});
    f.writeFile("quiz.qbk", {"old backup"});
    TfrmMain& w = f.start();
    f.open(file);

    QCOMPARE(w.document().fileName(), QFileInfo(file).absoluteFilePath());
    QCOMPARE(w.windowTitle(), "Quorvale Question Editor - " + w.document().fileName() + "[*]");
    QCOMPARE(w.preferences().lastOpenDir, QFileInfo(file).absolutePath() + "/");
    QCOMPARE(f.prompts.lastOpenFilter, FileCommands::OpenFilter);
    if (!backup.isEmpty())
        QCOMPARE(f.readFile(f.path(backup)), f.readFile(file));
    else
        QCOMPARE(QDir(f.dir.path()).entryList({"*.qbk", "*.QBK"}).size(), 2);
    QVERIFY(allEnabled(w, true));
    QCOMPARE(w.stgQuestions->selectionFirstRow(), 1);
    QVERIFY(!w.pnlDetails->btnSaveNew->isVisible());
}

void MainWindowTest::openWhoseBackupFailsKeepsPreviousFile()
{
    WindowFixture f;
    const QString first = f.writeFile("first.qus", {f.question(1), f.question(2)});
    const QString second = f.writeFile("second.qus", {f.question(3)});
    const QString backup = f.writeFile("second.qbk", {f.question(9)});
    QFile(backup).setPermissions(QFileDevice::ReadOwner);
    TfrmMain& w = f.start({first});
    f.open(second);
    QCOMPARE(f.prompts.shown.last(),
             QStringLiteral("info: Unable to make a backup copy of this file. A previous backup "
                            "copy may be set to read only. You can check this in Explorer."));
    QVERIFY(allEnabled(w, false));
    QCOMPARE(w.document().fileName(), first);
    QCOMPARE(w.document().list().count(), 2);
    QCOMPARE(w.preferences().lastOpenDir, f.folder());
    QVERIFY(w.mnuFileOpen->isEnabled() && w.mnuFileNew->isEnabled());
}

// Too little memory for the file opened: the box says so, and the list, its
// name and marks stay, so a save cannot write them over the large file.
void MainWindowTest::openWithoutMemoryKeepsPreviousFile()
{
#ifndef Q_OS_LINUX
    QSKIP("needs /proc/self/statm to leave the process a little room");
#else
    WindowFixture f;
    const QString first = f.writeFile("first.qus", {f.question(1), f.question(2)});
    const QString large = f.path("large.qus");
    {
        QFile file(large);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray block = QByteArray(f.question(3)).append("\r\n").repeated(20000);
        for (int i = 0; i < 80; ++i)
            QVERIFY(file.write(block) == block.size());
    }
    TfrmMain& w = f.start({first});
    w.stgQuestions->selectGridRow(2);
    w.editing().popToggleDeleteClick();
    f.prompts.answers.enqueue(UserPrompts::Answer::No); // not saved before the open

    QFile statm(QStringLiteral("/proc/self/statm"));
    QVERIFY(statm.open(QIODevice::ReadOnly));
    const rlim_t used = statm.readAll().split(' ').first().toULongLong() * rlim_t(getpagesize());
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_AS, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = used + (64u << 20); // room for the messages, not for the file
    QCOMPARE(setrlimit(RLIMIT_AS, &limited), 0);
    f.open(large);
    setrlimit(RLIMIT_AS, &saved);

    QCOMPARE(f.prompts.shown.last(),
             "error: Not enough memory to open " + QDir::toNativeSeparators(large) + ".");
    QCOMPARE(w.document().fileName(), first);
    QCOMPARE(w.document().list().count(), 2);
    QVERIFY(w.document().list().isDeleted(1));
#endif
}

void MainWindowTest::openOfUnreadableFileKeepsPreviousName()
{
    WindowFixture f;
    const QString first = f.writeFile("first.qus", {f.question(1), f.question(2)});
    QDir(f.dir.path()).mkdir("folder.qbk"); // a backup name, so no copy is tried
    TfrmMain& w = f.start({first});
    f.open(f.path("folder.qbk"));
    QCOMPARE(f.prompts.shown.last(),
             "error: Cannot open file " + f.path("folder.qbk") + ": it is a folder.");
    QCOMPARE(w.document().fileName(), first);
    QCOMPARE(w.document().list().count(), 2);
    QCOMPARE(w.windowTitle(), "Quorvale Question Editor - " + first + "[*]");
    QCOMPARE(w.stgQuestions->selectionFirstRow(), 1);
}

void MainWindowTest::openOfEmptyFileShowsEmptyGrid()
{
    WindowFixture f;
    const QString empty = f.writeFile("empty.qus", {});
    TfrmMain& w = f.start();
    f.open(empty);
    QCOMPARE(f.prompts.shown, QStringList{"open dialog"});
    QCOMPARE(w.stgQuestions->model()->rowCount(), 0);
    QCOMPARE(w.windowTitle(), "Quorvale Question Editor - " + empty + "[*]");
    QVERIFY(allEnabled(w, true));
    QCOMPARE(w.pnlDetails->questionText(), QString());
    QCOMPARE(w.pnlDetails->cbxBook->currentIndex(), -1);
    QCOMPARE(w.pnlDetails->rgpLevel->itemIndex(), -1);
    QCOMPARE(w.pnlDetails->rgpCorrect->itemIndex(), -1);

    // Nothing was typed, so the next file opens without a question.
    const QString next = f.writeFile("next.qus", {f.question(1), f.question(2)});
    f.open(next);
    QCOMPARE(f.prompts.shown, (QStringList{"open dialog", "open dialog"}));
    QCOMPARE(w.document().fileName(), next);
}

void MainWindowTest::lineThatDoesNotDecodeKeepsThePreviousFile()
{
    WindowFixture f;
    const QString first = f.writeFile("first.qus", {f.question(1), f.question(2)});
    const QString file =
        f.writeFile("bad.qus", {f.question(11), R"("C1","x","A","Gen. 1:1","Q","a","b","c","d")",
                                f.question(13)});
    TfrmMain& w = f.start({first});
    w.stgQuestions->selectGridRow(2);
    w.editing().popToggleDeleteClick();
    f.prompts.answers.enqueue(UserPrompts::Answer::No); // not saved before the open
    f.open(file);
    QCOMPARE(f.prompts.shown.last(),
             "error: " + file + ", line 2: 'x' is not a valid integer value");
    // Never a mix: the first file's list, marks, name and panel stay, so a
    // save cannot write them over the file that failed.
    QCOMPARE(w.document().fileName(), first);
    QCOMPARE(w.windowTitle(), "Quorvale Question Editor - " + first + "[*]");
    QCOMPARE(w.document().list().count(), 2);
    QVERIFY(w.document().list().isDeleted(1));
    QCOMPARE(w.stgQuestions->model()->index(0, 3).data().toString(), QStringLiteral("Question 1?"));
    f.prompts.takeShown();
    f.clickRow(1);
    QCOMPARE(f.prompts.shown, QStringList());
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Question 1?"));
}

void MainWindowTest::clickBelowTheLastRowKeepsTheSelection()
{
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(1), f.question(2)})});
    f.clickRow(2);
    QuestionGrid* grid = w.stgQuestions;
    const QPoint below(grid->viewport()->width() / 2, grid->viewport()->height() - 2);
    QVERIFY(!grid->indexAt(below).isValid());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(grid->selectionFirstRow(), 2);
    QCOMPARE(grid->selectionLastRow(), 2);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 2"));
}

void MainWindowTest::saveWithoutChangesDoesNothing()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), "\"C1\",\"1\""});
    TfrmMain& w = f.start({file});
    QFile::remove(file);
    w.runCommand([&] { w.fileCommands().mnuFileSaveClick(); });
    QVERIFY(!QFile::exists(file));
    QCOMPARE(f.prompts.shown, QStringList());
}

void MainWindowTest::saveRefusesLowerCaseBackupOnly()
{
    WindowFixture f;
    const QString lower = f.writeFile("x.qbk", {f.question(1), f.question(2)});
    const QString upper = f.writeFile("Y.QBK", {f.question(1), f.question(2)});
    TfrmMain& w = f.start();

    f.open(lower);
    f.prompts.takeShown();
    w.runCommand([&] { w.fileCommands().mnuFileSaveClick(); });
    QCOMPARE(f.prompts.takeShown(), QStringList{BackupMessage});

    f.open(upper);
    w.stgQuestions->selectGridRow(1);
    w.editing().popToggleDeleteClick();
    w.runCommand([&] { w.fileCommands().mnuFileSaveClick(); });
    QCOMPARE(f.readFile(upper), f.question(2) + "\r\n");
}

void MainWindowTest::saveWritesAndReloads()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), "odd line", f.question(3)});
    TfrmMain& w = f.start({file});
    w.stgQuestions->selectGridRow(1);
    w.editing().popToggleDeleteClick();
    QVERIFY(w.document().list().HasUnsavedChanges());
    w.runCommand([&] { w.fileCommands().mnuFileSaveClick(); });
    QCOMPARE(f.readFile(file), QByteArray("odd line\r\n") + f.question(3) + "\r\n");
    QCOMPARE(w.document().list().count(), 2);
    QVERIFY(!w.document().list().HasUnsavedChanges());
    QCOMPARE(w.stgQuestions->model()->index(1, 0).data().toInt(), 2);
}

void MainWindowTest::saveAsWritesUnderNewName()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    QDir(f.dir.path()).mkdir("out");
    TfrmMain& w = f.start({file});
    const QString target = f.path("out/copy");
    f.prompts.fileNames.enqueue(target);
    w.runCommand([&] { w.fileCommands().mnuFileSaveAsClick(); });
    QCOMPARE(f.prompts.lastSaveFilter, FileCommands::SaveFilter);
    QCOMPARE(f.readFile(target), f.readFile(file));
    QCOMPARE(w.document().fileName(), target);
    QCOMPARE(w.preferences().lastSaveDir, f.path("out") + "/");
    QCOMPARE(w.windowTitle(), "Quorvale Question Editor - " + target + "[*]");
}

void MainWindowTest::newAsksAndStartsUntitledList_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("cleared");
    QTest::newRow("yes saves") << int(UserPrompts::Answer::Yes) << true << true;
    QTest::newRow("no drops") << int(UserPrompts::Answer::No) << false << true;
    QTest::newRow("cancel stops") << int(UserPrompts::Answer::Cancel) << false << false;
}

void MainWindowTest::newAsksAndStartsUntitledList()
{
    QFETCH(int, answer);
    QFETCH(bool, saved);
    QFETCH(bool, cleared);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.stgQuestions->selectGridRow(2);
    w.editing().popToggleDeleteClick();
    f.prompts.answers.enqueue(UserPrompts::Answer(answer));
    w.runCommand([&] { w.fileCommands().mnuFileNewClick(); });

    QCOMPARE(f.prompts.shown.first(),
             QStringLiteral("confirm: Do you want to save your changes before exiting?"));
    QCOMPARE(f.readFile(file) == f.question(1) + "\r\n", saved);
    QCOMPARE(w.document().list().isEmpty(), cleared);
    if (cleared) {
        QCOMPARE(w.document().fileName(), QStringLiteral("[Untitled]"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Quorvale Question Editor - [Untitled][*]"));
        QVERIFY(w.pnlDetails->btnSaveNew->isVisible());
        QCOMPARE(w.editing().currentIndex(), -1);
        QVERIFY(allEnabled(w, true));
    }
}

void MainWindowTest::closeCheck_data()
{
    QTest::addColumn<int>("questions");
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<bool>("pendingEdit");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<bool>("saveFails");
    using A = UserPrompts::Answer;
    // A list of one question closes without asking only when nothing changed.
    QTest::newRow("one question with a change asks")
        << 1 << QList<int>{int(A::No)} << false << true << false << false;
    QTest::newRow("two questions, yes")
        << 2 << QList<int>{int(A::Yes)} << false << true << true << false;
    QTest::newRow("two questions, no")
        << 2 << QList<int>{int(A::No)} << false << true << false << false;
    QTest::newRow("two questions, cancel")
        << 2 << QList<int>{int(A::Cancel)} << false << false << false << false;
    QTest::newRow("pending edit cancelled, then yes")
        << 2 << QList<int>{int(A::Cancel), int(A::Yes)} << true << false << true << false;
    // A save that failed must not let the window close over the edits.
    QTest::newRow("failed save keeps the window")
        << 3 << QList<int>{int(A::Yes)} << false << false << false << true;
}

void MainWindowTest::closeCheck()
{
    QFETCH(int, questions);
    QFETCH(QList<int>, answers);
    QFETCH(bool, pendingEdit);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    QFETCH(bool, saveFails);
    WindowFixture f;
    QList<QByteArray> lines;
    for (int i = 1; i <= questions; ++i)
        lines << f.question(i);
    const QString file = f.writeFile("quiz.qus", lines);
    TfrmMain& w = f.start({file});
    if (saveFails)
        QFile(file).setPermissions(QFileDevice::ReadOwner);
    w.mnuOptionsAutosave->setChecked(false);
    w.stgQuestions->selectGridRow(questions);
    w.editing().popToggleDeleteClick();
    w.stgQuestions->selectGridRow(1);
    if (pendingEdit)
        w.pnlDetails->edtAnsA->setText("Changed");
    for (int answer : answers)
        f.prompts.answers.enqueue(UserPrompts::Answer(answer));

    QCOMPARE(w.close(), closes);
    QCOMPARE(f.prompts.unexpected, QStringList());
    QVERIFY(f.prompts.answers.isEmpty());
    QCOMPARE(f.readFile(file).count("\r\n"), saved ? questions - 1 : questions);
    QCOMPARE(w.document().list().HasUnsavedChanges(), !saved);
}

void MainWindowTest::keyboardWalksThePanel_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("keys"); // t Tab, b Shift+Tab, n Alt+N
    QTest::addColumn<QString>("to");
    // Question 1 is a Double with answer C: neither group's first item.
    QTest::newRow("Validate to the chosen level") << "chkValidate"
                                                  << "t"
                                                  << "level";
    QTest::newRow("level to the chosen answer letter") << "level"
                                                       << "t"
                                                       << "correct";
    QTest::newRow("answer letter to the question") << "correct"
                                                   << "t"
                                                   << "mmoQuestion";
    QTest::newRow("back from the question") << "mmoQuestion"
                                            << "bb"
                                            << "level";
    QTest::newRow("grid to the book, not the next cell") << "stgQuestions"
                                                         << "t"
                                                         << "cbxBook";
    QTest::newRow("Answers access key goes to Answer A") << "edtAnsC"
                                                         << "n"
                                                         << "edtAnsA";
}

void MainWindowTest::keyboardWalksThePanel()
{
    QFETCH(QString, from);
    QFETCH(QString, keys);
    QFETCH(QString, to);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(4), f.question(1)})});
    QVERIFY(QTest::qWaitForWindowActive(&w));
    f.clickRow(2);
    QCOMPARE(w.pnlDetails->rgpLevel->itemIndex(), 1);
    QCOMPARE(w.pnlDetails->rgpCorrect->itemIndex(), 2);
    const auto widget = [&](const QString& name) -> QWidget* {
        if (name == "level")
            return w.pnlDetails->rgpLevel->button(1);
        if (name == "correct")
            return w.pnlDetails->rgpCorrect->button(2);
        return w.findChild<QWidget*>(name);
    };
    widget(from)->setFocus();
    for (QChar key : keys) {
        QWidget* focused = QApplication::focusWidget();
        if (key == u't')
            QTest::keyClick(focused, Qt::Key_Tab);
        else if (key == u'b')
            QTest::keyClick(focused, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(focused, Qt::Key_N, Qt::AltModifier);
    }
    QCOMPARE(QApplication::focusWidget(), widget(to));
}

void MainWindowTest::changedOnDiskAsksBeforeSave_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("overwritten");
    QTest::newRow("yes overwrites") << int(UserPrompts::Answer::Yes) << true;
    QTest::newRow("no keeps the other program's file") << int(UserPrompts::Answer::No) << false;
}

void MainWindowTest::changedOnDiskAsksBeforeSave()
{
    QFETCH(int, answer);
    QFETCH(bool, overwritten);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    f.writeFile("quiz.qus", {f.question(1), f.question(2), f.question(3)});
    w.stgQuestions->selectGridRow(1);
    w.editing().popToggleDeleteClick();
    f.prompts.answers.enqueue(UserPrompts::Answer(answer));
    QCOMPARE(w.fileCommands().mnuFileSaveClick(), overwritten);
    QCOMPARE(f.prompts.shown.last(), "confirm: " + file +
                                         " was changed by another program since it was opened. "
                                         "Overwrite it?");
    QCOMPARE(f.readFile(file).count("\r\n"), overwritten ? 1 : 3);
    QCOMPARE(w.document().list().HasUnsavedChanges(), !overwritten);
}

void MainWindowTest::writeFailureKeepsFileAndMarks()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    const QByteArray before = f.readFile(file);
    TfrmMain& w = f.start({file});
    QFile(file).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    w.stgQuestions->selectGridRow(1);
    w.editing().popToggleDeleteClick();
    w.runCommand([&] { w.fileCommands().mnuFileSaveClick(); });

    QCOMPARE(f.prompts.shown.size(), 1);
    const QStringList message = f.prompts.shown.first().split("\r\n");
    QCOMPARE(message.size(), 3);
    QCOMPARE(message.first(), QStringLiteral("info: File Error!"));
    QVERIFY(!message.at(1).isEmpty());
    QCOMPARE(message.last(), QStringLiteral("Write protected or already exists"));
    QCOMPARE(f.readFile(file), before);
    QVERIFY(w.document().list().isDeleted(0));
    QVERIFY(w.document().list().isModified(0));
}

void MainWindowTest::settingsAreRead_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("autosave");
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("two") << "2" << true;
    QTest::newRow("a word keeps the default") << "yes" << true;
    QTest::newRow("hexadecimal zero") << "$0" << false;
}

void MainWindowTest::settingsAreRead()
{
    QFETCH(QString, stored);
    QFETCH(bool, autosave);
    WindowFixture f;
    QSettings settings(EditorSettings::Organization, EditorSettings::Application);
    settings.setValue("Preferences/AutoSave", stored);
    settings.setValue("Preferences/BubbleHints", "0");
    settings.setValue("InstallPath/ExePath", "/opt/qved/");
    settings.setValue("LastTime/LastOpenDir", "");
    settings.sync();
    TfrmMain& w = f.start();
    QCOMPARE(w.mnuOptionsAutosave->isChecked(), autosave);
    QCOMPARE(w.preferences().autosave, autosave);
    QVERIFY(!w.mnuOptionsHelpHints->isChecked());
    QCOMPARE(w.helpFile(), QStringLiteral("/opt/qved//qved3.hlp"));
    QCOMPARE(w.preferences().lastOpenDir, QString());
    QCOMPARE(w.preferences().lastSaveDir, f.folder());
}

void MainWindowTest::firstRunWritesTheSettings()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    QVERIFY(w.mnuOptionsAutosave->isChecked());
    QVERIFY(!w.mnuOptionsAlwaysWarn->isChecked());
    QVERIFY(w.mnuOptionsResetValidate->isChecked());
    QVERIFY(w.mnuOptionsHelpHints->isChecked());
    QVERIFY(w.helpFile().startsWith(EditorSettings::DefaultInstallPath));
    QCOMPARE(w.preferences().lastOpenDir, f.folder());
    w.mnuOptionsAlwaysWarn->trigger();
    QVERIFY(w.close());

    QSettings settings(EditorSettings::Organization, EditorSettings::Application);
    QStringList keys = settings.allKeys();
    keys.sort();
    QCOMPARE(keys,
             (QStringList{"LastTime/LastOpenDir", "LastTime/LastSaveDir", "Preferences/AlwaysWarn",
                          "Preferences/AutoSave", "Preferences/BubbleHints",
                          "Preferences/ResetValidate", "Window/Geometry", "Window/Splitter"}));
    QCOMPARE(settings.value("Preferences/AlwaysWarn").toString(), QStringLiteral("1"));
    QCOMPARE(settings.value("Preferences/AutoSave").toString(), QStringLiteral("1"));
    QCOMPARE(settings.value("LastTime/LastSaveDir").toString(), f.folder());
}

void MainWindowTest::clockShowsAtOnce()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    static const QRegularExpression pattern(
        R"(^(0[1-9]|1[0-2])/[0-3]\d/\d{4}  (0\d|1[0-2]):[0-5]\d:[0-5]\d (AM|PM)$)");
    QVERIFY2(pattern.match(w.statusClock->text()).hasMatch(), qPrintable(w.statusClock->text()));
}

void MainWindowTest::questionColumnFillsGridAfterResize()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    for (QSize size : {QSize(630, 450), QSize(900, 600), QSize(700, 500)}) {
        w.resize(size);
        QCoreApplication::processEvents();
        const int number = w.stgQuestions->columnWidth(0);
        // Six-digit numbers fit, with room for the cell's margins.
        QVERIFY(number >= w.stgQuestions->fontMetrics().horizontalAdvance("123456") + 8);
        QCOMPARE(w.stgQuestions->columnWidth(1), 20);
        QCOMPARE(w.stgQuestions->columnWidth(3), w.stgQuestions->width() - number - 40);
    }
}

void MainWindowTest::rebuildValidationTable()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    const QString table = f.folder() + ValidationTable::FileName;
    QFile(table).resize(100);
    w.mnuOptionsRebuildValidationTable->trigger();
    QCOMPARE(QFileInfo(table).size(), ValidationTable::ByteSize);
    QVERIFY(w.table().ValidationTableLoaded());
    QCOMPARE(f.prompts.shown, QStringList{"info: The validation table was written to " +
                                          QDir::toNativeSeparators(table) + "."});

    // A builder that writes nothing turns validation off.
    WindowFixture g;
    TfrmMain::Environment nothing{g.folder(), [](const QByteArray&) {}, nullptr};
    TfrmMain broken(g.prompts, {}, nothing);
    QCOMPARE(g.prompts.shown,
             QStringList{"info: Unable to load the validation table. Validation functions will be "
                         "inoperative.\r\n" +
                         QDir::toNativeSeparators(g.folder() + ValidationTable::FileName) +
                         "\r\nOptions > Rebuild Validation Table writes it again."});
    QVERIFY(!broken.table().ValidationTableLoaded());
}

void MainWindowTest::helpWithoutViewerShowsOwnHelp_data()
{
    QTest::addColumn<bool>("helpFileExists");
    QTest::newRow("no help file") << false;
    QTest::newRow("help file, but no viewer for it") << true;
}

void MainWindowTest::helpWithoutViewerShowsOwnHelp()
{
    QFETCH(bool, helpFileExists);
    WindowFixture f;
    QSettings(EditorSettings::Organization, EditorSettings::Application)
        .setValue("InstallPath/ExePath", f.dir.path());
    if (helpFileExists)
        f.writeFile("qved3.hlp", {"help"});
    TfrmMain& w = f.start();
    QCOMPARE(QFileInfo(w.helpFile()).isFile(), helpFileExists);
    // The headless platform has no viewer for any document.
    w.mnuHelpHelp->trigger();
    auto* help = w.findChild<HelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
}

void MainWindowTest::onlyTheDescribedItemsHaveShortcuts()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    for (QAction* item : w.findChildren<QAction*>()) {
        // The whole-bank tools of the Tools menu carry keys of their own.
        if (w.mnuTools->actions().contains(item))
            continue;
        QList<QKeySequence> expected;
        if (item == w.mnuFileExit)
            expected = {QKeySequence(Qt::ALT | Qt::Key_X)};
        else if (item == w.mnuActionsUndo)
            expected = {QKeySequence(Qt::CTRL | Qt::Key_Z)};
        else if (item == w.mnuActionsRedo)
            expected = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                        QKeySequence(Qt::CTRL | Qt::Key_Y)};
        else if (item == w.mnuFileOpen)
            expected = {QKeySequence(Qt::CTRL | Qt::Key_O)};
        else if (item == w.mnuFileNew)
            expected = {QKeySequence(Qt::CTRL | Qt::Key_N)};
        else if (item == w.mnuFileSave)
            expected = {QKeySequence(Qt::CTRL | Qt::Key_S)};
        else if (item == w.mnuHelpHelp)
            expected = {QKeySequence(Qt::Key_F1)};
        else if (item->objectName() == u"mnuToolsScripture")
            expected = {QKeySequence(Qt::Key_F8)};
        QVERIFY2(item->shortcuts() == expected, qPrintable(item->objectName()));
    }
}

void MainWindowTest::controlsCarryTheirNames()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    for (const char* name : {"ToolBar1", "mnuMain", "mnuFile", "Actions1", "mnuOptions", "mnuHelp",
                             "popEditMenu", "stgQuestions", "pnlDetails", "stbStatus", "tmrTime",
                             "btnOpen", "mnuReports", "popCancel"})
        QVERIFY2(w.findChild<QObject*>(QString::fromLatin1(name)), name);
}

void MainWindowTest::errorsEscapingACommandAreShown()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    w.runCommand([&] { w.editing().ShowQuestion(5); });
    QCOMPARE(f.prompts.shown, QStringList{"error: List index out of bounds (4)"});
}

void MainWindowTest::searchOpensTheChosenRow_data()
{
    QTest::addColumn<int>("pendingAnswer");
    QTest::addColumn<QString>("panelShows");
    QTest::newRow("nothing pending") << -1 << "# 9";
    QTest::newRow("pending change cancelled") << int(UserPrompts::Answer::Cancel) << "# 1";
}

void MainWindowTest::searchOpensTheChosenRow()
{
    QFETCH(int, pendingAnswer);
    QFETCH(QString, panelShows);
    WindowFixture f;
    QList<QByteArray> lines;
    for (int i = 1; i <= 30; ++i)
        lines << f.question(i);
    TfrmMain& w = f.start({f.writeFile("quiz.qus", lines)});
    if (pendingAnswer >= 0) {
        w.mnuOptionsAutosave->setChecked(false);
        w.pnlDetails->edtAnsA->setText("Pending");
        f.prompts.answers.enqueue(UserPrompts::Answer(pendingAnswer));
    }
    // The locator is modal: answer it once it is up.
    QTimer::singleShot(0, [] {
        auto* locator = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(locator);
        locator->findChild<QLineEdit*>("edtGoTo")->setText("9");
        QTest::keyClick(locator->findChild<QLineEdit*>("edtGoTo"), Qt::Key_Return);
    });
    w.mnuActionsSearch->trigger();

    QCOMPARE(w.stgQuestions->selectionFirstRow(), 9);
    QCOMPARE(w.stgQuestions->rowAt(0), 8);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), panelShows);
    QCOMPARE(f.prompts.unexpected, QStringList());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
