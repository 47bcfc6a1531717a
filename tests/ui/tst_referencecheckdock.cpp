// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankTools.h"
#include "BibleLookup.h"
#include "QuestionFields.h"
#include "ReferenceCheckDock.h"
#include "WindowFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUndoStack>

namespace {

QByteArray line(int correct, const char* reference, const char* question, const char* a,
                const char* b, const char* c, const char* d)
{
    return EncodeQuestionLine(0, 0, correct, reference, question, a, b, c, d);
}

// Question 1 cites its verse, question 2 the verse after it, question 3 a
// verse that names another answer than the one marked right.
QList<QByteArray> bank()
{
    return {line(1, "Gen. 2:7", "From what did the LORD God form man?", "A rib",
                 "The dust of the ground", "Clay", "Stone"),
            line(1, "2:8", "From what did the LORD God form man?", "A rib",
                 "The dust of the ground", "Clay", "Stone"),
            line(0, "Gen. 6:14", "Of what wood was Noah told to make the ark?", "Cedar",
                 "Acacia", "Gopher wood", "Olive wood")};
}

QByteArray referenceOf(TfrmMain& w, int index)
{
    return QuestionFields::fromLine(w.document().list().line(index))
        .texts[QuestionFields::Reference];
}

} // namespace

class ReferenceCheckDockTest : public QObject
{
    Q_OBJECT

private slots:
    void suspectsAndTheSuggestedReference()
    {
        if (!BibleLookup().available())
            QSKIP("No SWORD Bible module is installed (sword-text-kjv): reference check skipped");
        WindowFixture fixture;
        TfrmMain& w = fixture.start();
        fixture.open(fixture.writeFile(QStringLiteral("bank.qus"), bank()));
        BankTools& tools = *w.findChild<BankTools*>();
        ReferenceCheckDock& dock = tools.references();
        QSignalSpy finished(&dock, &ReferenceCheckDock::checkFinished);
        tools.mnuToolsCheckReferences->trigger();
        QVERIFY(finished.wait(20000));
        QVERIFY(dock.isVisible());

        QTreeWidget& suspects = *dock.suspects();
        QCOMPARE(suspects.topLevelItemCount(), 2);
        QTreeWidgetItem* late = suspects.topLevelItem(0);
        QCOMPARE(late->text(0), QStringLiteral("2"));
        QCOMPARE(late->text(2), QStringLiteral("answer in Gen. 2:7"));
        QCOMPARE(suspects.topLevelItem(1)->text(2),
                 QStringLiteral("the verse names answer C: is the letter right?"));

        // The verse that holds the answer shows, its words marked.
        suspects.setCurrentItem(late);
        QVERIFY(dock.verses()->toPlainText().contains(
            QStringLiteral("formed man of the dust of the ground")));
        QVERIFY(dock.verses()->toHtml().contains(QStringLiteral("#ffe680")));

        // A double-click goes to the question.
        emit suspects.itemActivated(late, 0);
        QCOMPARE(w.editing().currentIndex(), 1);

        QVERIFY(dock.useButton()->isEnabled());
        const int steps = w.history().count();
        dock.useButton()->click();
        QCOMPARE(referenceOf(w, 1), QByteArray("Gen. 2:7"));
        QCOMPARE(w.history().count(), steps + 1);
        QCOMPARE(suspects.topLevelItemCount(), 1);
        w.history().undo();
        QCOMPARE(referenceOf(w, 1), QByteArray("Gen. 2:8"));
        QCOMPARE(w.document().list().line(1), bank()[1]);

        // A wrong letter has no reference to suggest.
        suspects.setCurrentItem(suspects.topLevelItem(0));
        QVERIFY(!dock.useButton()->isEnabled());
    }
};

QTEST_MAIN(ReferenceCheckDockTest)
#include "tst_referencecheckdock.moc"
