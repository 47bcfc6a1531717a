// SPDX-License-Identifier: GPL-2.0-or-later
// The whole-bank tools of the Tools menu: the filter bar over the grid, the
// Problems dock and Statistics against qvedtool, and Replace All.
#include "BankTools.h"
#include "BarChart.h"
#include "FilterBar.h"
#include "ProblemListModel.h"
#include "ProblemsDock.h"
#include "QuestionGridModel.h"
#include "RadioGroup.h"
#include "TfrmFindReplace.h"
#include "TfrmStatistics.h"
#include "ValidationTable.h"
#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QUndoStack>

class BankToolsTest : public QObject
{
    Q_OBJECT

private slots:
    void filterShowsMatchingRowsWithFileNumbers_data();
    void filterShowsMatchingRowsWithFileNumbers();
    void editingWorksOnShownRows();
    void problemsMatchTool();
    void replaceAll_data();
    void replaceAll();
    void statisticsMatchTool();
};

namespace {

// Book, level, reference and question of each line; the answers are the
// same everywhere.
QList<QByteArray> bank()
{
    auto line = [](int book, int level, const char* reference, const char* question) {
        return EncodeQuestionLine(book, level, 0, reference, question, "Alpha", "Beta", "Gamma",
                                  "Delta");
    };
    return {line(0, 0, "1:1", "Who made the heaven?"), line(0, 1, "2:7", "Of what was man formed?"),
            line(1, 0, "3:2", "Who spoke from the bush?"),
            line(1, 3, "14:21", "What parted the sea?"),
            line(39, 1, "2:1", "Where was Jesus born, Bethlehem?")};
}

BankTools& tools(TfrmMain& w)
{
    return *w.findChild<BankTools*>();
}

QStringList shownNumbers(TfrmMain& w)
{
    QStringList numbers;
    const QAbstractItemModel* model = w.stgQuestions->model();
    for (int row = 0; row < model->rowCount(); ++row)
        numbers << model->index(row, QuestionGridModel::NumberColumn).data().toString();
    return numbers;
}

void waitForFilter(FilterBar& bar)
{
    bar.applyNow();
    QTRY_VERIFY(!bar.isFiltering());
}

} // namespace

void BankToolsTest::filterShowsMatchingRowsWithFileNumbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("book");  // index in the book choice: 0 any, 1 the first book
    QTest::addColumn<int>("level"); // index in the level choice: 0 any, 1 Single
    QTest::addColumn<bool>("problemsOnly");
    QTest::addColumn<QStringList>("numbers");
    QTest::newRow("question text, any case")
        << "WHO" << 0 << 0 << false << QStringList{"1", "3", "7"};
    QTest::newRow("answer text") << "gamma" << 0 << 0 << false
                                 << QStringList{"1", "2", "3", "4", "5", "6", "7"};
    QTest::newRow("reference") << "14:2" << 0 << 0 << false << QStringList{"4"};
    // The book code field of every line holds "C1" or "C2": not a text field.
    QTest::newRow("book code is not searched") << "\"C" << 0 << 0 << false << QStringList{};
    QTest::newRow("book") << "" << 2 << 0 << false << QStringList{"3", "4"};
    QTest::newRow("book and level") << "" << 1 << 2 << false << QStringList{"2"};
    QTest::newRow("text and level") << "the" << 0 << 1 << false << QStringList{"1", "3", "7"};
    // Question 6 has no question text, question 7 repeats question 1.
    QTest::newRow("problems only") << "" << 0 << 0 << true << QStringList{"6", "7"};
}

void BankToolsTest::filterShowsMatchingRowsWithFileNumbers()
{
    QFETCH(QString, text);
    QFETCH(int, book);
    QFETCH(int, level);
    QFETCH(bool, problemsOnly);
    QFETCH(QStringList, numbers);
    WindowFixture f;
    QList<QByteArray> lines = bank();
    lines << EncodeQuestionLine(0, 0, 0, "1:1", "", "Alpha", "Beta", "Gamma", "Delta")
          << lines.first();
    TfrmMain& w = f.start({f.writeFile("quiz.qus", lines)});
    FilterBar& bar = tools(w).filterBar();
    w.findChild<QAction*>(QStringLiteral("mnuToolsFilter"))->trigger();
    QVERIFY(bar.isVisible());
    bar.textBox()->setText(text);
    bar.bookChoice()->setCurrentIndex(book);
    bar.levelChoice()->setCurrentIndex(level);
    bar.problemsOnly()->setChecked(problemsOnly);
    QTRY_VERIFY(!problemsOnly || tools(w).problems().problems().hasChecked());
    waitForFilter(bar);
    QCOMPARE(shownNumbers(w), numbers);

    // Escape empties the bar and brings every row back.
    QTest::keyClick(bar.textBox(), Qt::Key_Escape);
    QVERIFY(!bar.isVisible());
    QCOMPARE(shownNumbers(w).size(), lines.size());
    QVERIFY(bar.textBox()->text().isEmpty());
}

void BankToolsTest::editingWorksOnShownRows()
{
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", bank())});
    FilterBar& bar = tools(w).filterBar();
    bar.open();
    bar.textBox()->setText("sea");
    waitForFilter(bar);
    QCOMPARE(shownNumbers(w), QStringList{"4"});

    // The only shown row is file row 4: commands see file rows.
    QuestionGrid* grid = w.stgQuestions;
    const QRect cell = grid->visualRect(grid->model()->index(0, 3));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(grid->currentGridRow(), 4);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 4"));
    w.pnlDetails->setQuestionText("What parted the Red Sea?");
    QVERIFY(w.editing().CommitQuestion());
    QCOMPARE(w.document().list().line(3).toByteArray(),
             EncodeQuestionLine(1, 3, 0, "14:21", "What parted the Red Sea?", "Alpha", "Beta",
                                "Gamma", "Delta"));
    QCOMPARE(w.document().list().line(2).toByteArray(), bank()[2]);
    QCOMPARE(grid->model()->index(0, QuestionGridModel::ModifiedColumn).data().toString(),
             QStringLiteral("M"));

    // A new question stays in sight although it does not match.
    w.editing().popAddClick();
    DetailPanel& panel = *w.pnlDetails;
    panel.cbxBook->setCurrentIndex(0);
    panel.edtRef->setText("1:2");
    panel.rgpLevel->setItemIndex(0);
    panel.rgpCorrect->setItemIndex(0);
    panel.setQuestionText("Added?");
    for (QLineEdit* answer : {panel.edtAnsA, panel.edtAnsB, panel.edtAnsC, panel.edtAnsD})
        answer->setText(answer->objectName());
    w.editing().btnSaveNewClick();
    QCOMPARE(shownNumbers(w), (QStringList{"4", "6"}));
}

void BankToolsTest::problemsMatchTool()
{
    WindowFixture f;
    QList<QByteArray> lines = bank();
    lines << EncodeQuestionLine(0, 0, 0, "99:99", "Bad reference?", "a", "b", "c", "d")
          << EncodeQuestionLine(0, 0, 0, "1:1", "", "", "b", "c", "d") << "\"C0\",\"9\",\"E\""
          << lines[1]
          << EncodeQuestionLine(0, 0, 0, "1:1", "Long answer?", QByteArray(95, 'a'), "b", "c", "d");
    const QString file = f.writeFile("quiz.qus", lines);
    TfrmMain& w = f.start({file});
    ProblemsDock& dock = tools(w).problems();
    w.findChild<QAction*>(QStringLiteral("mnuToolsCheckFile"))->trigger();
    QTRY_VERIFY(dock.problems().hasChecked());
    QVERIFY(dock.isVisible());
    QStringList shown;
    for (int row = 0; row < dock.problems().rowCount(); ++row)
        shown << dock.problems().index(row).data().toString();

    QProcess tool;
    tool.start(QStringLiteral(QVEDTOOL_PATH),
               {"check", "--table", f.path(ValidationTable::FileName), file});
    QVERIFY(tool.waitForFinished(60000));
    QStringList expected = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n');
    expected.removeAll(QString());
    QVERIFY(expected.takeLast().startsWith(QStringLiteral("checked:")));
    QVERIFY(expected.size() >= 4);
    QCOMPARE(shown, expected);
    QVERIFY(shown.contains(
        QStringLiteral("10: answer A is 95 characters long, more than the 90 kept")));

    // Enter on a line goes to its question.
    dock.problemView()->setCurrentIndex(dock.problems().index(0));
    QTest::keyClick(dock.problemView(), Qt::Key_Return);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(),
             QStringLiteral("# %1").arg(dock.problems().numberAt(0)));
}

void BankToolsTest::replaceAll_data()
{
    QTest::addColumn<QString>("find");
    QTest::addColumn<QString>("replaceWith");
    QTest::addColumn<int>("in"); // 0 All texts, 1 Question, 2 Answers, 3 Reference
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWords");
    QTest::addColumn<QList<QByteArray>>("extra"); // lines after the bank's
    QTest::addColumn<QString>("filter");          // the filter bar's text; empty: none
    QTest::addColumn<QList<QByteArray>>("lines");
    QTest::addColumn<QString>("message");
    const QList<QByteArray> none;
    const QList<QByteArray> before = bank();
    auto line = [](int book, int level, const char* reference, const char* question,
                   const char* answerB = "Beta") {
        return EncodeQuestionLine(book, level, 0, reference, question, "Alpha", answerB, "Gamma",
                                  "Delta");
    };
    QTest::newRow("quote becomes apostrophe")
        << "beta"
        << "B\"t" << 2 << false << false << none << QString()
        << QList<QByteArray>{line(0, 0, "1:1", "Who made the heaven?", "B't"),
                             line(0, 1, "2:7", "Of what was man formed?", "B't"),
                             line(1, 0, "3:2", "Who spoke from the bush?", "B't"),
                             line(1, 3, "14:21", "What parted the sea?", "B't"),
                             line(39, 1, "2:1", "Where was Jesus born, Bethlehem?", "B't")}
        << "info: 5 replacements in 5 questions.";
    QTest::newRow("whole words, match case, line break")
        << "the"
        << "THE\nvery" << 0 << true << true << none << QString()
        << QList<QByteArray>{line(0, 0, "1:1", "Who made THE very heaven?"), before[1],
                             line(1, 0, "3:2", "Who spoke from THE very bush?"),
                             line(1, 3, "14:21", "What parted THE very sea?"), before[4]}
        << "info: 3 replacements in 3 questions.";
    QTest::newRow("too long is left and listed")
        << "1"
        << "one two three four five six" << 3 << false << false << none << QString() << before
        << "info: 0 replacements in 0 questions.\nLeft unchanged, a text would be too long: 1, 4, "
           "5";
    // Another tool's line with a 120-character answer: rewriting it as the
    // panel stores it would cut the answer the author never asked to change.
    const QByteArray longAnswer =
        R"("C1","1","A","Gen. 1:1","Q","a","Beta",")" + QByteArray(120, 'c') + R"(","d")";
    QTest::newRow("a line the panel would store otherwise is left and listed")
        << "Beta"
        << "B't" << 2 << false << false << QList<QByteArray>{longAnswer} << QString()
        << QList<QByteArray>{line(0, 0, "1:1", "Who made the heaven?", "B't"),
                             line(0, 1, "2:7", "Of what was man formed?", "B't"),
                             line(1, 0, "3:2", "Who spoke from the bush?", "B't"),
                             line(1, 3, "14:21", "What parted the sea?", "B't"),
                             line(39, 1, "2:1", "Where was Jesus born, Bethlehem?", "B't"),
                             longAnswer}
        << "info: 5 replacements in 5 questions.\nLeft unchanged, the line holds more than the "
           "panel would store (edit it there): 6";
    QTest::newRow("outside the code page")
        << "Beta" << u8"\u0101" << 0 << false << false << none << QString() << before
        << u8"info: The replacement holds '\u0101', which "
           "question files cannot hold.";
    // Replace All works on the rows the filter shows, as the help says.
    QTest::newRow("a filter leaves the rows it hides alone")
        << "Beta"
        << "B't" << 2 << false << false << none << "sea"
        << QList<QByteArray>{before[0], before[1], before[2],
                             line(1, 3, "14:21", "What parted the sea?", "B't"), before[4]}
        << "info: 1 replacements in 1 questions.";
    // Without matching case "Lord" is found for "LORD": replacing it with
    // "Lord" changes nothing, is not counted, and leaves its row unmarked.
    QTest::newRow("LORD to Lord counts and marks only real changes")
        << "LORD"
        << "Lord" << 1 << false << false
        << QList<QByteArray>{line(0, 0, "1:1", "Did the Lord speak?"),
                             line(0, 0, "1:2", "Did the LORD speak to the Lord?")}
        << QString()
        << before + QList<QByteArray>{line(0, 0, "1:1", "Did the Lord speak?"),
                                      line(0, 0, "1:2", "Did the Lord speak to the Lord?")}
        << "info: 1 replacements in 1 questions.";
    // A whole word has a boundary on either side: "bathe" ends in "the" and
    // "their" begins with it.
    QTest::newRow("whole words: a word ending or beginning with the text is left")
        << "the"
        << "THE" << 2 << true << true
        << QList<QByteArray>{line(0, 0, "1:1", "Q?", "bathe their feet in the river")} << QString()
        << before + QList<QByteArray>{line(0, 0, "1:1", "Q?", "bathe their feet in THE river")}
        << "info: 1 replacements in 1 questions.";
}

void BankToolsTest::replaceAll()
{
    QFETCH(QString, find);
    QFETCH(QString, replaceWith);
    QFETCH(int, in);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWords);
    QFETCH(QList<QByteArray>, extra);
    QFETCH(QString, filter);
    QFETCH(QList<QByteArray>, lines);
    QFETCH(QString, message);
    const QList<QByteArray> file = bank() + extra;
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", file)});
    f.prompts.takeShown(); // what opening the file said
    if (!filter.isEmpty()) {
        FilterBar& bar = tools(w).filterBar();
        bar.open();
        bar.textBox()->setText(filter);
        waitForFilter(bar);
    }
    w.findChild<QAction*>(QStringLiteral("mnuToolsFindReplace"))->trigger();
    TfrmFindReplace& dialog = tools(w).findReplace();
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.focusWidget(), dialog.edtFind);
    dialog.edtFind->setText(find);
    dialog.edtReplace->setText(replaceWith);
    dialog.cbxIn->setCurrentIndex(in);
    dialog.chkMatchCase->setChecked(matchCase);
    dialog.chkWholeWords->setChecked(wholeWords);
    const int steps = w.history().count();
    dialog.btnReplaceAll->click();

    QCOMPARE(f.prompts.shown, QStringList{message});
    QList<QByteArray> stored;
    for (int index = 0; index < w.document().list().count(); ++index)
        stored << w.document().list().line(index).toByteArray();
    QCOMPARE(stored, lines);
    const bool changed = lines != file;
    QCOMPARE(w.history().count(), steps + (changed ? 1 : 0));
    if (!changed)
        return;
    // Only a changed row is marked.
    for (int index = 0; index < lines.size(); ++index)
        QVERIFY2(w.document().list().isModified(index) == (lines[index] != file[index]),
                 qPrintable(QString::number(index + 1)));
    if (filter.isEmpty())
        QCOMPARE(w.stgQuestions->model()->index(0, QuestionGridModel::ModifiedColumn).data(),
                 QVariant(lines[0] != file[0] ? "M" : ""));
    // One step takes every change back.
    w.editing().mnuActionsUndoClick();
    for (int index = 0; index < lines.size(); ++index)
        QCOMPARE(w.document().list().line(index).toByteArray(), file[index]);
}

void BankToolsTest::statisticsMatchTool()
{
    WindowFixture f;
    QList<QByteArray> lines = bank();
    // Values outside their lists count as (none), as in the tool.
    lines << "\"C0\",\"9\",\"E\",\"x\",\"Odd?\"";
    const QString file = f.writeFile("quiz.qus", lines);
    TfrmMain& w = f.start({file});
    TfrmStatistics statistics(w.document().list(), &w);

    // The tool's lines, "  name count [share%]" under each heading, read
    // into the table's columns.
    QProcess tool;
    tool.start(QStringLiteral(QVEDTOOL_PATH), {"stats", file});
    QVERIFY(tool.waitForFinished(60000));
    const QStringList out = QString::fromUtf8(tool.readAllStandardOutput()).split(u'\n');
    QStringList expected;
    QString group;
    for (const QString& text : out) {
        if (text.startsWith(QStringLiteral("questions: ")))
            expected << "questions\t\t" + text.sliced(11) + u'\t';
        else if (text.startsWith(QStringLiteral("not decoded: ")))
            expected << "not decoded\t\t" + text.sliced(13) + u'\t';
        else if (text.startsWith(QStringLiteral("by ")))
            group = text.sliced(3).chopped(1);
        else if (text.startsWith(QStringLiteral("  "))) {
            const QString name = text.sliced(2, 10).trimmed();
            const QStringList rest = text.sliced(12).split(u' ', Qt::SkipEmptyParts);
            expected << QStringList{group, name, rest.value(0), rest.value(1)}.join(u'\t');
        }
    }
    QCOMPARE(statistics.tableText().split(u'\n', Qt::SkipEmptyParts), expected);
    // The charts read aloud the tool's books and the shares of the four
    // letters, in its order.
    QStringList books, shares;
    for (const QString& row : expected) {
        const QStringList cells = row.split(u'\t');
        if (cells[0] == QStringLiteral("book"))
            books << cells[1] + QStringLiteral(": ") + cells[2];
        else if (cells[0] == QStringLiteral("correct answer") && !cells[3].isEmpty())
            shares << cells[1] + QStringLiteral(": ") + cells[3];
    }
    QCOMPARE(shares.size(), 4);
    auto readAloud = [&statistics](const char* name) {
        auto* chart = statistics.findChild<BarChart*>(QLatin1String(name));
        return chart ? chart->accessibleDescription() : QStringLiteral("no chart %1").arg(name);
    };
    QCOMPARE(readAloud("chtBooks"), books.join(QStringLiteral("; ")));
    QCOMPARE(readAloud("chtLetters"), shares.join(QStringLiteral("; ")));
    // Every lettered question is on A; Gen. lacks two levels.
    QVERIFY(statistics.warnings().contains(QStringLiteral("A is 100.0%")));
    QVERIFY(
        statistics.warnings().contains(QStringLiteral("Gen. has no Triple, Home Run questions.")));
}

QTEST_MAIN(BankToolsTest)
#include "tst_banktools.moc"
