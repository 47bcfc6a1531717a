// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankTools.h"
#include "CompareDock.h"
#include "DuplicatesDialog.h"
#include "SimilarQuestionHint.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

QByteArray line(int correct, const char* reference, const char* question, const char* a,
                const char* b, const char* c = "Clay", const char* d = "Oak")
{
    return EncodeQuestionLine(0, 0, correct, reference, question, a, b, c, d);
}

// Question 3 repeats question 1 with one more space and answers A and B
// swapped; question 4 is a different question.
QList<QByteArray> bank()
{
    return {line(2, "6:14", "Of what wood was Noah told to make the ark?", "Cedar", "Acacia",
                 "Gopher wood"),
            line(1, "2:7", "From what did the LORD God form man?", "A rib", "The dust"),
            line(2, "6:14", "Of what wood was Noah told to make  the ark?", "Acacia", "Cedar",
                 "Gopher wood"),
            line(0, "1:3", "What did God say first?", "Let there be light", "Let us make man")};
}

BankTools& tools(TfrmMain& w)
{
    return *w.findChild<BankTools*>();
}

} // namespace

class DuplicatesTest : public QObject
{
    Q_OBJECT

private slots:
    void keepFirstDeletesTheOthersInOneStep();
    void panelNamesASimilarQuestion();
    void takeTheirs_data();
    void takeTheirs();
};

void DuplicatesTest::keepFirstDeletesTheOthersInOneStep()
{
    WindowFixture fixture;
    TfrmMain& w = fixture.start();
    fixture.open(fixture.writeFile(QStringLiteral("bank.qus"), bank()));
    tools(w).mnuToolsFindDuplicates->trigger();
    DuplicatesDialog& dialog = *tools(w).duplicates();
    QTRY_VERIFY(!dialog.isFinding());
    QTreeWidget& groups = *dialog.groupList();
    QCOMPARE(groups.topLevelItemCount(), 1);
    QTreeWidgetItem* group = groups.topLevelItem(0);
    QCOMPARE(group->childCount(), 2);
    QCOMPARE(group->child(0)->text(0), QStringLiteral("#1"));
    QCOMPARE(group->child(1)->text(0), QStringLiteral("#3"));

    // A double-click goes to the question.
    emit groups.itemActivated(group->child(1), 0);
    QCOMPARE(w.editing().currentIndex(), 2);

    const int steps = w.history().count();
    groups.setCurrentItem(group->child(0));
    dialog.keepFirstButton()->click();
    QVERIFY(!w.document().list().isDeleted(0));
    QVERIFY(w.document().list().isDeleted(2));
    QVERIFY(!w.document().list().isDeleted(3));
    QCOMPARE(w.history().count(), steps + 1);
    w.history().undo();
    QVERIFY(!w.document().list().isDeleted(2));

    // Deleted questions are left out of the next search.
    w.history().redo();
    dialog.find();
    QTRY_VERIFY(!dialog.isFinding());
    QCOMPARE(groups.topLevelItemCount(), 0);
}

void DuplicatesTest::panelNamesASimilarQuestion()
{
    WindowFixture fixture;
    TfrmMain& w = fixture.start();
    fixture.open(fixture.writeFile(QStringLiteral("bank.qus"), bank()));
    SimilarQuestionHint& hint = tools(w).similarHint();
    QTRY_VERIFY(!hint.isIndexing());

    // The question shown is never named as similar to itself.
    w.goToRow(4);
    hint.refresh();
    QCOMPARE(hint.similarNumber(), 0);
    QVERIFY(hint.label()->isHidden());

    w.editing().popAddClick();
    w.pnlDetails->mmoQuestion->setPlainText(
        QStringLiteral("From what did the LORD God form the man?"));
    hint.refresh();
    QCOMPARE(hint.similarNumber(), 2);
    QVERIFY(hint.label()->isVisible());
    QVERIFY(hint.label()->text().contains(QStringLiteral("Similar to #2")));

    QSignalSpy chosen(&hint, &SimilarQuestionHint::questionChosen);
    emit hint.label()->linkActivated(QStringLiteral("#2"));
    QCOMPARE(chosen.count(), 1);

    w.pnlDetails->mmoQuestion->setPlainText(QStringLiteral("Who walked on the water?"));
    hint.refresh();
    QCOMPARE(hint.similarNumber(), 0);
}

// A colleague's copy: question 1 edited in one field, question 2 gone, a
// new question at the end. Each "Take theirs" is one step.
void DuplicatesTest::takeTheirs_data()
{
    QTest::addColumn<QString>("difference"); // the item taken: group, row, field row
    QTest::addColumn<QByteArrayList>("after");

    const QList<QByteArray> ours = bank();
    const QByteArray built = line(2, "6:14", "Of what wood was Noah told to build the ark?",
                                  "Cedar", "Acacia", "Gopher wood");
    const QByteArray builtLater = line(2, "6:15", "Of what wood was Noah told to build the ark?",
                                       "Cedar", "Acacia", "Gopher wood");
    const QByteArray sandals = EncodeQuestionLine(1, 1, 1, "3:5", "What was Moses told to take off?",
                                                  "His cloak", "His sandals", "His ring", "His belt");
    QTest::newRow("a question only they have")
        << "0/0" << QByteArrayList{ours[0], ours[1], ours[2], ours[3], sandals};
    QTest::newRow("a question they removed")
        << "1/0" << QByteArrayList{ours[0], ours[2], ours[3]};
    QTest::newRow("their whole question")
        << "2/0" << QByteArrayList{builtLater, ours[1], ours[2], ours[3]};
    QTest::newRow("one field of their question")
        << "2/0/1" << QByteArrayList{built, ours[1], ours[2], ours[3]};
}

void DuplicatesTest::takeTheirs()
{
    QFETCH(QString, difference);
    QFETCH(QByteArrayList, after);
    WindowFixture fixture;
    TfrmMain& w = fixture.start();
    QList<QByteArray> theirs = bank();
    theirs[0] = line(2, "6:15", "Of what wood was Noah told to build the ark?", "Cedar", "Acacia",
                     "Gopher wood");
    theirs.removeAt(1);
    theirs.append(EncodeQuestionLine(1, 1, 1, "3:5", "What was Moses told to take off?",
                                     "His cloak", "His sandals", "His ring", "His belt"));
    const QString other = fixture.writeFile(QStringLiteral("theirs.qus"), theirs);
    fixture.open(fixture.writeFile(QStringLiteral("bank.qus"), bank()));

    fixture.prompts.fileNames.enqueue(other);
    tools(w).mnuToolsCompare->trigger();
    CompareDock& dock = tools(w).compare();
    QTRY_VERIFY(!dock.isComparing());
    QTreeWidget& tree = *dock.changes();
    QCOMPARE(tree.topLevelItemCount(), 3);
    QCOMPARE(tree.topLevelItem(0)->childCount(), 1); // only theirs: the new question
    QCOMPARE(tree.topLevelItem(1)->childCount(), 1); // only ours: question 2
    QCOMPARE(tree.topLevelItem(2)->childCount(), 1); // changed: question 1
    QCOMPARE(tree.topLevelItem(2)->child(0)->childCount(), 2); // the reference and the question

    QTreeWidgetItem* item = nullptr;
    for (const QString& step : difference.split(u'/'))
        item = item ? item->child(step.toInt()) : tree.topLevelItem(step.toInt());
    tree.setCurrentItem(item);
    const int steps = w.history().count();
    dock.takeTheirsButton()->click();
    QCOMPARE(w.history().count(), steps + 1);
    QByteArrayList lines;
    for (int index = 0; index < w.document().list().count(); ++index) {
        if (!w.document().list().isDeleted(index))
            lines << w.document().list().line(index).toByteArray();
    }
    QCOMPARE(lines, after);
    w.history().undo();
    QCOMPARE(w.document().list().count(), 4);
    QCOMPARE(w.document().list().line(0), bank()[0]);
    QVERIFY(!w.document().list().isDeleted(1));
}

QTEST_MAIN(DuplicatesTest)
#include "tst_duplicates.moc"
