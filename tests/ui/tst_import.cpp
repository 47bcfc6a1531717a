// SPDX-License-Identifier: GPL-2.0-or-later
// File > Import and File > Export in the window: the preview's marks and
// reasons, remapping a table's columns, appending the ticked questions as
// one step, and exporting through the safe writer.
#include "WindowFixture.h"

#include "BankTools.h"
#include "FilterBar.h"
#include "ImportDialog.h"
#include "ImportExportTool.h"
#include "ImportPreviewModel.h"
#include "InterchangeFormats.h"
#include "JournalReplay.h"
#include "QuestionFormat.h"
#include "RecoveryJournal.h"

#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QUndoStack>
#include <csignal>
#include <sys/resource.h>

namespace {

// The bank the imports go into: Gen. 1:1, Ex. 1:1 and Ex. 1:1 again.
const QList<QByteArray> Bank = {WindowFixture::question(1, 0), WindowFixture::question(2, 1),
                                WindowFixture::question(3, 1)};

// Line 2 is new, line 3 the bank's first question in other case and
// punctuation, line 4 line 2 again, line 5 cites a chapter Genesis lacks and
// line 6 breaks its question over two lines.
const QByteArray Csv = "Question,A,B,C,D,Correct,Reference,Level\r\n"
                       "Who built the ark?,Noah,Moses,Abraham,David,A,Gen. 6:14,Single\r\n"
                       "QUESTION 1,alpha,beta,gamma,delta,B,Gen. 1:1,Double\r\n"
                       "who built the ark,Noah,Moses,Abraham,David,A,Gen. 6:14,Single\r\n"
                       "Who was swallowed by a fish?,Jonah,Peter,Paul,Amos,A,Gen. 51:1,Single\r\n"
                       "\"Who led Israel\r\nout of Egypt?\",Moses,Aaron,Joshua,Caleb,A,Ex. 3:10,"
                       "Double\r\n";

// Three questions with their references in the titles, and one that cites none.
const QByteArray Gift = "::Gen. 6\\:14:: Who built the ark? {=Noah ~Moses ~Abraham ~David}\n"
                        "\n"
                        "::Gen. 1\\:1:: Question 1? {~Alpha ~Beta =Gamma ~Delta}\n"
                        "\n"
                        "Who was swallowed by a fish? {=Jonah ~Peter ~Paul ~Amos}\n";

ImportExportTool& tool(TfrmMain& window)
{
    return window.findChild<BankTools*>()->importExport();
}

QString writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file");
    return path;
}

// Chooses the file through File > Import and waits for the preview.
ImportDialog* importFile(WindowFixture& fixture, const QString& path)
{
    fixture.prompts.fileNames.enqueue(path);
    tool(*fixture.window).mnuFileImport->trigger();
    ImportDialog* dialog = tool(*fixture.window).importDialog();
    if (dialog && !QTest::qWaitFor([dialog] { return !dialog->isBuilding(); }, 10000))
        return nullptr;
    return dialog;
}

bool waitForPreview(ImportDialog& dialog)
{
    return QTest::qWaitFor([&dialog] { return !dialog.isBuilding(); }, 10000);
}

QStringList statuses(ImportPreviewModel& preview)
{
    QStringList result;
    for (int row = 0; row < preview.rowCount(); ++row) {
        const QModelIndex status = preview.index(row, ImportPreviewModel::StatusColumn);
        result << preview.entry(row).outcome.place + u' ' + status.data().toString() +
                      (status.data(Qt::CheckStateRole).toInt() == Qt::Checked ? " ticked" : "");
    }
    return result;
}

QList<QByteArray> lines(const QuestionList& list)
{
    QList<QByteArray> result;
    for (int index = 0; index < list.count(); ++index)
        result << list.line(index).toByteArray();
    return result;
}

} // namespace

class ImportTest : public QObject
{
    Q_OBJECT

private slots:
    void menuHoldsImportAndExportAfterSaving();
    void previewMarks_data();
    void previewMarks();
    void remapHeaderlessColumns();
    void importAppendsTickedAsOneStep();
    void exportWritesFilteredRows();
    void exportAsksWhichWorkbook();
    void failedExportKeepsTarget();
};

void ImportTest::menuHoldsImportAndExportAfterSaving()
{
    WindowFixture fixture;
    TfrmMain& window = fixture.start();
    const QMenu* file = window.menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QStringList items;
    for (const QAction* item : file->actions())
        items << (item->isSeparator() ? QStringLiteral("-")
                  : item->menu()      ? item->menu()->objectName()
                                      : item->objectName());
    QCOMPARE(items, QStringList({"mnuFileOpen", "mnuFileRecent", "mnuFileNew", "mnuFileSave",
                                 "mnuFileSaveAs", "-", "mnuFileImport", "mnuFileExport", "-",
                                 "mnuFileExit"}));
}

void ImportTest::previewMarks_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("defaultLevel");
    QTest::addColumn<QStringList>("expected");
    // A fragment of each row's reason; empty where only some reason is due.
    QTest::addColumn<QStringList>("reasons");
    QTest::addColumn<QString>("button");

    QTest::addRow("csv with a header")
        << "questions.csv" << Csv << -1
        << QStringList{"line 2 Ready ticked", "line 3 Duplicate", "line 4 Duplicate",
                       "line 5 Refused", "line 6 Changed ticked"}
        << QStringList{"", "already holds", "line 2", "", ""} << "&Import 2 questions";
    // GIFT names no level: without a default every question is refused.
    QTest::addRow("gift without a level")
        << "questions.gift" << Gift << -1
        << QStringList{"line 1 Refused", "line 3 Refused", "line 5 Refused"}
        << QStringList{"", "", ""} << "&Import 0 questions";
    QTest::addRow("gift with Single as the default level")
        << "questions.gift" << Gift << 0
        << QStringList{"line 1 Ready ticked", "line 3 Duplicate", "line 5 Refused"}
        << QStringList{"", "already holds", ""} << "&Import 1 question";
}

void ImportTest::previewMarks()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(int, defaultLevel);
    QFETCH(QStringList, expected);
    QFETCH(QStringList, reasons);
    QFETCH(QString, button);

    WindowFixture fixture;
    fixture.start();
    fixture.open(fixture.writeFile("bank.qus", Bank));
    ImportDialog* dialog = importFile(fixture, writeBytes(fixture.path(fileName), content));
    QVERIFY(dialog);
    if (defaultLevel >= 0) {
        dialog->levelChoice()->setCurrentIndex(dialog->levelChoice()->findData(defaultLevel));
        QVERIFY(waitForPreview(*dialog));
    }
    ImportPreviewModel& preview = dialog->preview();
    QCOMPARE(statuses(preview), expected);
    for (int row = 0; row < preview.rowCount(); ++row) {
        const ImportedQuestion& outcome = preview.entry(row).outcome;
        const QString reason =
            preview.index(row, ImportPreviewModel::ReasonColumn).data().toString();
        QVERIFY2(reason.contains(reasons[row]), qPrintable(reason));
        // Every mark but Ready says why; a refused question has no line.
        QCOMPARE(reason.isEmpty(), outcome.status == ImportStatus::Ready);
        QCOMPARE(outcome.line.isEmpty(), outcome.status == ImportStatus::Refused);
    }
    // Each source's first question cites Gen. 6:14: once it is a line, the
    // book shows once.
    if (preview.entry(0).outcome.status != ImportStatus::Refused)
        QCOMPARE(preview.index(0, ImportPreviewModel::ReferenceColumn).data().toString(),
                 QString("Gen. 6:14"));
    QCOMPARE(dialog->importButton()->text(), button);
    QVERIFY(fixture.prompts.unexpected.isEmpty());
}

void ImportTest::remapHeaderlessColumns()
{
    WindowFixture fixture;
    fixture.start();
    fixture.open(fixture.writeFile("bank.qus", Bank));
    ImportDialog* dialog = importFile(
        fixture, writeBytes(fixture.path("plain.csv"),
                            "Single,Gen. 6:14,Who built the ark?,Noah,Moses,Abraham,David,A\r\n"));
    QVERIFY(dialog);
    QCOMPARE(dialog->roleChoices().size(), 8);
    // Nothing names the columns, so no question is found in them yet.
    QCOMPARE(statuses(dialog->preview()), QStringList{"line 1 Refused"});
    QVERIFY(!dialog->importButton()->isEnabled());

    const ColumnRole roles[] = {ColumnRole::Level,   ColumnRole::Reference, ColumnRole::Question,
                                ColumnRole::AnswerA, ColumnRole::AnswerB,   ColumnRole::AnswerC,
                                ColumnRole::AnswerD, ColumnRole::Correct};
    for (int column = 0; column < 8; ++column) {
        QComboBox* choice = dialog->roleChoices()[column];
        choice->setCurrentIndex(choice->findData(int(roles[column])));
    }
    QVERIFY(waitForPreview(*dialog));
    QCOMPARE(statuses(dialog->preview()), QStringList{"line 1 Ready ticked"});
    QCOMPARE(dialog->preview().entry(0).outcome.line,
             QByteArray(R"("C1","1","A","Gen. 6:14","Who built the ark?","Noah","Moses",)"
                        R"("Abraham","David")"));
    QCOMPARE(dialog->importButton()->text(), QString("&Import 1 question"));
    QVERIFY(dialog->importButton()->isEnabled());
}

void ImportTest::importAppendsTickedAsOneStep()
{
    WindowFixture fixture;
    TfrmMain& window = fixture.start();
    const QString bankPath = fixture.writeFile("bank.qus", Bank);
    fixture.open(bankPath);
    const QList<QByteArray> before = lines(window.document().list());
    ImportDialog* dialog = importFile(fixture, writeBytes(fixture.path("questions.csv"), Csv));
    QVERIFY(dialog);
    ImportPreviewModel& preview = dialog->preview();
    // The new question is left out; the bank's duplicate is asked for.
    QVERIFY(preview.setData(preview.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    QVERIFY(preview.setData(preview.index(1, 0), Qt::Checked, Qt::CheckStateRole));
    // A refused question cannot be ticked.
    QVERIFY(!preview.setData(preview.index(3, 0), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(dialog->importButton()->text(), QString("&Import 2 questions"));
    dialog->importButton()->click();

    const QList<QByteArray> imported = {
        R"("C1","2","B","Gen. 1:1","QUESTION 1","alpha","beta","gamma","delta")",
        R"("C2","2","A","Ex. 3:10","Who led Israel out of Egypt?","Moses","Aaron","Joshua",)"
        R"("Caleb")"};
    QCOMPARE(lines(window.document().list()), before + imported);
    QCOMPARE(window.history().count(), 1);
    QCOMPARE(window.history().undoText(), QString("Import 2 Questions"));

    // The journal holds the import as one change, and replays to the same list.
    QuestionRecord record;
    const JournalReplay replay =
        JournalReplay::read(RecoveryJournal::journalPathOf(bankPath), bankPath, record);
    QVERIFY2(replay.error.isEmpty(), qPrintable(replay.error));
    QCOMPARE(replay.changes(), 1);
    QCOMPARE(lines(replay.list), before + imported);

    window.history().undo();
    QCOMPARE(lines(window.document().list()), before);
    QVERIFY(!window.document().isModified());
    window.history().redo();
    QCOMPARE(lines(window.document().list()), before + imported);
    QVERIFY(fixture.prompts.unexpected.isEmpty());
}

void ImportTest::exportWritesFilteredRows()
{
    WindowFixture fixture;
    TfrmMain& window = fixture.start();
    fixture.open(fixture.writeFile("bank.qus", Bank));
    FilterBar& filter = window.findChild<BankTools*>()->filterBar();
    filter.open();
    filter.bookChoice()->setCurrentIndex(filter.bookChoice()->findData(1));
    filter.applyNow();
    QTRY_VERIFY(!filter.isFiltering());

    const QString target = fixture.path("exported.qus");
    fixture.prompts.choices.enqueue("The 2 questions the filter shows");
    fixture.prompts.fileNames.enqueue(target);
    tool(window).mnuFileExport->trigger();

    QCOMPARE(fixture.readFile(target),
             QByteArray(R"("C2","3","D","Ex. 1:1","Question 2?","Alpha","Beta","Gamma","Delta")"
                        "\r\n"
                        R"("C2","4","A","Ex. 1:1","Question 3?","Alpha","Beta","Gamma","Delta")"
                        "\r\n"));
    QVERIFY(fixture.prompts.informations().isEmpty());
    QVERIFY(fixture.prompts.unexpected.isEmpty());
}

// Kahoot's sheet and a plain workbook share ".xlsx": a name alone must
// not pick Kahoot's, which drops the reference, book and level.
void ImportTest::exportAsksWhichWorkbook()
{
    WindowFixture fixture;
    TfrmMain& window = fixture.start();
    fixture.open(fixture.writeFile("bank.qus", Bank));

    const QString target = fixture.path("exported.xlsx");
    fixture.prompts.fileNames.enqueue(target);
    fixture.prompts.choices.enqueue("Excel workbook (XLSX)");
    tool(window).mnuFileExport->trigger();

    QVERIFY(fixture.prompts.shown.contains(
        "choose: Write exported.xlsx in which format? "
        "[Kahoot! quiz spreadsheet, Excel workbook (XLSX)] (Kahoot! quiz spreadsheet)"));
    const FormatReadResult back =
        InterchangeFormats::byName("xlsx")->read(fixture.readFile(target));
    QVERIFY2(back.error.isEmpty(), qPrintable(back.error));
    QCOMPARE(back.rows.size(), 3);
    QCOMPARE(back.rows[1].reference, QString("1:1"));
    QVERIFY(!back.rows[1].level.isEmpty()); // Kahoot's sheet holds no level
    QVERIFY(fixture.prompts.unexpected.isEmpty());
}

void ImportTest::failedExportKeepsTarget()
{
    WindowFixture fixture;
    TfrmMain& window = fixture.start();
    fixture.open(fixture.writeFile("bank.qus", Bank));
    const QByteArray old = "an earlier export\r\n";
    const QString target = writeBytes(fixture.path("exported.qus"), old);
    fixture.prompts.fileNames.enqueue(target);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = saved;
    limited.rlim_cur = 64; // less than the three lines
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    tool(window).mnuFileExport->trigger();
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QCOMPARE(fixture.readFile(target), old);
    QCOMPARE(QDir(fixture.dir.path()).entryList({"exported*"}, QDir::Files),
             QStringList{"exported.qus"});
    const QStringList shown = fixture.prompts.informations();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains(qt_error_string(EFBIG)), qPrintable(shown[0]));
}

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
