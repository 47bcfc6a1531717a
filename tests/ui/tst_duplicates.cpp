#include "BankTools.h"
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

QTEST_MAIN(DuplicatesTest)
#include "tst_duplicates.moc"
