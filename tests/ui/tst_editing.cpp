// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "QuestionGridModel.h"
#include "RadioGroup.h"
#include "RecordChecks.h"
#include "Windows1252.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using Answer = UserPrompts::Answer;

const QString QuoteWarning =
    "info: Due to the nature of this file, you can not use the double quote character in your "
    "text strings. The application will substitute a single quote.";

// Fills the panel with a complete question for Genesis 2:7.
void fillPanel(DetailPanel& panel, const QString& question = "Who was the first man?")
{
    panel.cbxBook->setCurrentIndex(0);
    panel.edtRef->setText("2:7");
    panel.rgpLevel->setItemIndex(0);
    panel.rgpCorrect->setItemIndex(0);
    panel.setQuestionText(question);
    panel.edtAnsA->setText("Adam");
    panel.edtAnsB->setText("Noah");
    panel.edtAnsC->setText("Abel");
    panel.edtAnsD->setText("Seth");
}

QString cell(TfrmMain& w, int row, int column)
{
    return w.stgQuestions->model()->index(row - 1, column).data().toString();
}

} // namespace

class EditingTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyPanelReportsEveryField();
    void failedCheckReturnsToCurrentRow_data();
    void failedCheckReturnsToCurrentRow();
    void referenceThatIsNotANumberStoresNothing_data();
    void referenceThatIsNotANumberStoresNothing();
    void autosaveCommitsOnMove();
    void saveStoresThePanelEdit();
    void pendingEditQuestion_data();
    void pendingEditQuestion();
    void untitledListNeverAsks();
    void addThenClickCommitsNewQuestion();
    void addInNamedFileCountsAsChanged();
    void saveNewInUntitledList();
    void saveNewInEmptyNamedFile_data();
    void saveNewInEmptyNamedFile();
    void isQuestionChanged_data();
    void isQuestionChanged();
    void escapeAndCancelEdit();
    void severalRowsSelected();
    void deleteRestoreOverSelection();
    void outOfRangeLevelShowsHomeRun();
    void validateBoxRules();
    void resetValidateOff();
    void doubleQuoteRule_data();
    void doubleQuoteRule();
    void lineBreaksAndForeignCharactersNeverReachALine();
    void questionBoxHoldsNinety_data();
    void questionBoxHoldsNinety();
    void pastedTextIsCleaned_data();
    void pastedTextIsCleaned();
    void undoNeverBringsBackAQuote_data();
    void undoNeverBringsBackAQuote();
    void decodedQuoteIsReportedNotStored();
    void savedFileDecodesToWhatWasTyped();
};

void EditingTest::emptyPanelReportsEveryField()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    w.mnuFileNew->trigger();
    w.pnlDetails->rgpLevel->setItemIndex(-1);
    w.pnlDetails->rgpCorrect->setItemIndex(-1);
    f.prompts.answers.enqueue(Answer::Ok);
    w.pnlDetails->btnSaveNew->click();
    QCOMPARE(f.prompts.shown, QStringList{"report: " + CheckReportHeading +
                                          "Reference book not specified.\r\n"
                                          "Reference location not specified.\r\n"
                                          "Difficulty level not specified.\r\n"
                                          "Correct answer not specified.\r\n"
                                          "The question is empty.\r\n"
                                          "Answer A is empty.\r\n"
                                          "Answer B is empty.\r\n"
                                          "Answer C is empty.\r\n"
                                          "Answer D is empty.\r\n"});
    QCOMPARE(w.document().list().count(), 0);
    QVERIFY(w.pnlDetails->btnSaveNew->isVisible());
}

void EditingTest::failedCheckReturnsToCurrentRow_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("rowAfter");
    QTest::addColumn<QString>("referenceAfter");
    // Cancel drops the typing and loads the row the user moved to, which
    // then becomes the current row.
    QTest::newRow("OK keeps the typing") << int(Answer::Ok) << 1 << "51";
    QTest::newRow("Cancel loads the chosen row") << int(Answer::Cancel) << 3 << "1:1";
}

void EditingTest::failedCheckReturnsToCurrentRow()
{
    QFETCH(int, answer);
    QFETCH(int, rowAfter);
    QFETCH(QString, referenceAfter);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2), f.question(3)});
    TfrmMain& w = f.start({file});
    w.pnlDetails->edtRef->setText("51");
    f.prompts.answers.enqueue(Answer(answer));
    f.clickRow(3);

    QCOMPARE(f.prompts.shown,
             QStringList{"report: " + CheckReportHeading + "Gen. does not have a chapter 51\r\n"});
    QCOMPARE(w.stgQuestions->selectionFirstRow(), rowAfter);
    QCOMPARE(w.stgQuestions->currentIndex().column(), 3);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QString("# %1").arg(rowAfter));
    QCOMPARE(w.pnlDetails->edtRef->text(), referenceAfter);
    QVERIFY(!w.document().list().isModified(0));
}

void EditingTest::referenceThatIsNotANumberStoresNothing_data()
{
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("message");
    QTest::newRow("nothing after the colon") << "3:"
                                             << "'' is not a valid integer value";
    QTest::newRow("range before the colon") << "3-4:5"
                                            << "'3-4' is not a valid integer value";
    QTest::newRow("two colons") << "3:4:5"
                                << "'4:5' is not a valid integer value";
    QTest::newRow("trailing blank") << "3 "
                                    << "'3 ' is not a valid integer value";
}

void EditingTest::referenceThatIsNotANumberStoresNothing()
{
    QFETCH(QString, reference);
    QFETCH(QString, message);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.pnlDetails->edtRef->setText(reference);
    f.clickRow(2);
    QCOMPARE(f.prompts.shown, QStringList{"error: " + message});
    QVERIFY(!w.document().list().isModified(0));
    QCOMPARE(w.pnlDetails->edtRef->text(), reference);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 1"));
}

// Typing in the panel and pressing Save stores what was typed, as moving to
// another question would, instead of reloading the panel over it.
void EditingTest::saveStoresThePanelEdit()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.pnlDetails->edtAnsA->setText("Typed before saving");
    w.mnuFileSave->trigger();
    QVERIFY(f.readFile(file).startsWith(EncodeQuestionLine(0, 1, 2, "1:1", "Question 1?",
                                                           "Typed before saving", "Beta", "Gamma",
                                                           "Delta") +
                                        "\r\n"));
    QCOMPARE(w.pnlDetails->edtAnsA->text(), QStringLiteral("Typed before saving"));
}

void EditingTest::autosaveCommitsOnMove()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.stgQuestions->selectGridRow(1);
    w.editing().popToggleDeleteClick();
    w.pnlDetails->setQuestionText("Changed question?");
    f.clickRow(2);

    QCOMPARE(f.prompts.shown, QStringList());
    QCOMPARE(cell(w, 1, 0), QStringLiteral("1"));
    QCOMPARE(cell(w, 1, 1), QStringLiteral("D"));
    QCOMPARE(cell(w, 1, 2), QStringLiteral("M"));
    QCOMPARE(cell(w, 1, 3), QStringLiteral("Changed question?"));
    QCOMPARE(
        w.document().list().line(0).toByteArray(),
        EncodeQuestionLine(0, 1, 2, "1:1", "Changed question?", "Alpha", "Beta", "Gamma", "Delta"));
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 2"));
}

void EditingTest::pendingEditQuestion_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<QString>("shownRow");
    QTest::newRow("yes stores") << int(Answer::Yes) << true << "# 2";
    QTest::newRow("no drops") << int(Answer::No) << false << "# 2";
    QTest::newRow("cancel stays") << int(Answer::Cancel) << false << "# 1";
}

void EditingTest::pendingEditQuestion()
{
    QFETCH(int, answer);
    QFETCH(bool, stored);
    QFETCH(QString, shownRow);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.mnuOptionsAutosave->setChecked(false);
    w.pnlDetails->edtAnsB->setText("Changed");
    f.prompts.answers.enqueue(Answer(answer));
    f.clickRow(2);

    QCOMPARE(
        f.prompts.shown,
        QStringList{"confirm: Do you wish to save the changes to this record before continuing?"});
    QCOMPARE(w.document().list().isModified(0), stored);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), shownRow);
    QCOMPARE(w.stgQuestions->selectionFirstRow(), 2);
    if (answer == int(Answer::Cancel))
        QCOMPARE(w.pnlDetails->edtAnsB->text(), QStringLiteral("Changed"));
}

void EditingTest::untitledListNeverAsks()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    w.mnuFileNew->trigger();
    for (int i = 0; i < 2; ++i) {
        w.editing().popAddClick();
        fillPanel(*w.pnlDetails, QString("Question %1?").arg(i + 1));
        w.pnlDetails->btnSaveNew->click();
    }
    QCOMPARE(w.document().list().count(), 2);
    w.mnuOptionsAutosave->setChecked(false);
    w.pnlDetails->edtAnsA->setText("Never stored");
    f.clickRow(1);
    QCOMPARE(f.prompts.shown, QStringList());
    QCOMPARE(w.pnlDetails->edtAnsA->text(), QStringLiteral("Adam"));
    QVERIFY(!w.document().list().line(1).contains("Never stored"));
}

void EditingTest::addThenClickCommitsNewQuestion()
{
    WindowFixture f;
    const QString file =
        f.writeFile("quiz.qus", {f.question(1), f.question(2), f.question(3), f.question(4)});
    TfrmMain& w = f.start({file});
    w.mnuActionsAdd->trigger();
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 5"));
    QVERIFY(w.pnlDetails->btnSaveNew->isVisible());
    fillPanel(*w.pnlDetails);
    f.clickRow(3);

    QCOMPARE(f.prompts.shown, QStringList());
    QCOMPARE(w.document().list().count(), 5);
    QCOMPARE(cell(w, 5, 0), QStringLiteral("5"));
    QCOMPARE(cell(w, 5, 2), QStringLiteral("M"));
    QCOMPARE(cell(w, 5, 1), QString());
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 5"));
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Who was the first man?"));
    QCOMPARE(w.stgQuestions->selectionFirstRow(), 5);
    QVERIFY(!w.pnlDetails->btnSaveNew->isVisible());
}

void EditingTest::addInNamedFileCountsAsChanged()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.editing().popAddClick();
    QVERIFY(w.editing().IsQuestionChanged());
    f.prompts.answers.enqueue(Answer::Ok);
    f.clickRow(1);
    QCOMPARE(f.prompts.shown.size(), 1);
    QVERIFY(f.prompts.shown.first().startsWith("report: "));
    QCOMPARE(w.document().list().count(), 2);
    QCOMPARE(w.editing().currentIndex(), -1);
}

void EditingTest::saveNewInUntitledList()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    w.mnuFileNew->trigger();
    w.pnlDetails->cbxBook->setCurrentIndex(0);
    f.prompts.answers.enqueue(Answer::Ok);
    w.pnlDetails->btnSaveNew->click();
    QCOMPARE(f.prompts.takeShown().size(), 1);
    QCOMPARE(w.document().list().count(), 0);
    QVERIFY(w.pnlDetails->btnSaveNew->isVisible());

    fillPanel(*w.pnlDetails);
    w.pnlDetails->btnSaveNew->click();
    QCOMPARE(f.prompts.shown, QStringList());
    QCOMPARE(w.document().list().count(), 1);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 1"));
    QVERIFY(!w.pnlDetails->btnSaveNew->isVisible());

    // The first save of an untitled list asks for a name.
    f.prompts.fileNames.enqueue(f.path("new.qus"));
    w.mnuFileSave->trigger();
    QCOMPARE(f.readFile(f.path("new.qus")),
             EncodeQuestionLine(0, 0, 0, "2:7", "Who was the first man?", "Adam", "Noah", "Abel",
                                "Seth") +
                 "\r\n");
}

void EditingTest::saveNewInEmptyNamedFile_data()
{
    QTest::addColumn<bool>("autosave");
    QTest::newRow("autosave on") << true;
    // The stored question is no pending edit: nothing to ask about.
    QTest::newRow("autosave off") << false;
}

void EditingTest::saveNewInEmptyNamedFile()
{
    QFETCH(bool, autosave);
    WindowFixture f;
    const QString file = f.writeFile("empty.qus", {});
    TfrmMain& w = f.start({file});
    w.mnuOptionsAutosave->setChecked(autosave);
    w.mnuActionsAdd->trigger();
    fillPanel(*w.pnlDetails);
    w.pnlDetails->btnSaveNew->click();
    QCOMPARE(f.prompts.shown, QStringList());
    QCOMPARE(w.document().list().count(), 1);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 1"));
    w.mnuFileSave->trigger();
    QCOMPARE(f.readFile(file).count("\r\n"), 1);
}

void EditingTest::isQuestionChanged_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<bool>("changed");
    QTest::newRow("nothing") << "" << false;
    QTest::newRow("book") << "book" << true;
    QTest::newRow("reference") << "reference" << true;
    QTest::newRow("level") << "level" << true;
    QTest::newRow("correct") << "correct" << true;
    QTest::newRow("question") << "question" << true;
    QTest::newRow("answer A") << "A" << true;
    QTest::newRow("answer B") << "B" << true;
    QTest::newRow("answer C") << "C" << true;
    QTest::newRow("answer D") << "D" << true;
    QTest::newRow("validate box alone") << "validate" << false;
}

void EditingTest::isQuestionChanged()
{
    QFETCH(QString, control);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(1), f.question(2)})});
    DetailPanel& panel = *w.pnlDetails;
    // Question 1: Genesis, 1:1, Double, C.
    if (control == "book")
        panel.cbxBook->setCurrentIndex(1);
    else if (control == "reference")
        panel.edtRef->setText("1:2");
    else if (control == "level")
        panel.rgpLevel->setItemIndex(3);
    else if (control == "correct")
        panel.rgpCorrect->setItemIndex(0);
    else if (control == "question")
        panel.setQuestionText("Question 1!");
    else if (control == "A")
        panel.edtAnsA->setText("Alpha ");
    else if (control == "B")
        panel.edtAnsB->setText("beta");
    else if (control == "C")
        panel.edtAnsC->setText("Gamma.");
    else if (control == "D")
        panel.edtAnsD->clear();
    else if (control == "validate")
        panel.chkValidate->setChecked(false);
    QTEST(w.editing().IsQuestionChanged(), "changed");
}

void EditingTest::escapeAndCancelEdit()
{
    WindowFixture f;
    TfrmMain& w = f.start();
    QTest::keyClick(w.stgQuestions, Qt::Key_Escape);
    w.mnuActionsCancelEdit->setEnabled(true);
    w.mnuActionsCancelEdit->trigger();
    QCOMPARE(f.prompts.shown, QStringList());

    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2), f.question(3)});
    f.open(file);
    f.prompts.takeShown();
    w.pnlDetails->edtAnsC->setText("Changed");
    w.mnuActionsCancelEdit->trigger();
    QCOMPARE(w.pnlDetails->edtAnsC->text(), QStringLiteral("Gamma"));

    w.mnuActionsAdd->trigger();
    QTest::keyClick(w.pnlDetails->edtRef, Qt::Key_Escape);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 3"));
    QCOMPARE(w.stgQuestions->selectionFirstRow(), 3);
    QVERIFY(!w.pnlDetails->btnSaveNew->isVisible());
    QCOMPARE(w.document().list().count(), 3);
    QCOMPARE(f.prompts.shown, QStringList());
}

void EditingTest::severalRowsSelected()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2), f.question(3)});
    TfrmMain& w = f.start({file});
    f.clickRow(1);
    QTest::keyClick(w.stgQuestions, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(f.prompts.shown, QStringList{"info: Please select one row only for editing."});
    QCOMPARE(w.stgQuestions->selectionFirstRow(), 1);
    QCOMPARE(w.stgQuestions->selectionLastRow(), 2);
    QCOMPARE(w.pnlDetails->lblQuestionNbr->text(), QStringLiteral("# 1"));
}

void EditingTest::deleteRestoreOverSelection()
{
    WindowFixture f;
    QList<QByteArray> lines;
    for (int i = 1; i <= 6; ++i)
        lines << f.question(i);
    TfrmMain& w = f.start({f.writeFile("quiz.qus", lines)});
    w.stgQuestions->selectGridRow(4);
    w.mnuActionsDelete->trigger();
    f.clickRow(3);
    QTest::keyClick(w.stgQuestions, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(w.stgQuestions, Qt::Key_Down, Qt::ShiftModifier);
    f.prompts.takeShown();
    w.btnDelete->trigger();
    QCOMPARE(cell(w, 3, 1) + cell(w, 4, 1) + cell(w, 5, 1), QStringLiteral("DD"));
    QVERIFY(w.document().list().isDeleted(2) && w.document().list().isDeleted(4));
    QVERIFY(!w.document().list().isDeleted(3));
    QVERIFY(w.document().list().isModified(3));
}

void EditingTest::outOfRangeLevelShowsHomeRun()
{
    WindowFixture f;
    const QString file =
        f.writeFile("quiz.qus", {R"("C1","7","f","Gen. 1:1","Q?","a","b","c","d")", f.question(2)});
    TfrmMain& w = f.start({file});
    QCOMPARE(w.pnlDetails->rgpLevel->itemIndex(), 3);
    QCOMPARE(w.pnlDetails->rgpCorrect->itemIndex(), 3);
    f.clickRow(2);
    QCOMPARE(w.document().list().line(0).toByteArray(),
             QByteArray(R"("C1","4","D","Gen. 1:1","Q?","a","b","c","d")"));
}

void EditingTest::validateBoxRules()
{
    WindowFixture f;
    const QString file = f.writeFile(
        "quiz.qus", {f.question(1, 67, "Trivia"), f.question(2, 66, "Q 4"), f.question(3)});
    TfrmMain& w = f.start({file});
    QCheckBox* validate = w.pnlDetails->chkValidate;
    QVERIFY(!validate->isChecked() && !validate->isEnabled());
    QCOMPARE(w.pnlDetails->edtRef->text(), QStringLiteral("Trivia"));
    f.clickRow(2);
    QVERIFY(!validate->isChecked() && !validate->isEnabled());
    f.clickRow(3);
    QVERIFY(validate->isChecked() && validate->isEnabled());

    // The user's book choice switches the box; checking it for a category
    // is refused with a message.
    w.pnlDetails->cbxBook->setCurrentIndex(67);
    emit w.pnlDetails->cbxBook->activated(67);
    QVERIFY(!validate->isChecked());
    validate->click();
    QCOMPARE(f.prompts.shown,
             QStringList{"info: Validation not available for non-Biblical references"});
    QVERIFY(!validate->isChecked());
    w.pnlDetails->cbxBook->setCurrentIndex(0);
    emit w.pnlDetails->cbxBook->activated(0);
    QVERIFY(validate->isChecked());
}

void EditingTest::resetValidateOff()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.mnuOptionsResetValidate->setChecked(false);
    w.pnlDetails->chkValidate->click();
    f.clickRow(2);
    QVERIFY(!w.pnlDetails->chkValidate->isChecked());
    // Unvalidated, a reference beyond the book commits.
    w.pnlDetails->edtRef->setText("99:99");
    f.clickRow(1);
    QCOMPARE(f.prompts.shown, QStringList());
    QVERIFY(w.document().list().isModified(1));
}

void EditingTest::doubleQuoteRule_data()
{
    QTest::addColumn<bool>("alwaysWarn");
    QTest::newRow("silent") << false;
    QTest::newRow("always warn") << true;
}

void EditingTest::doubleQuoteRule()
{
    QFETCH(bool, alwaysWarn);
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    w.mnuOptionsAlwaysWarn->setChecked(alwaysWarn);
    w.pnlDetails->edtAnsA->clear();
    QTest::keyClicks(w.pnlDetails->edtAnsA, "say \"hi\"");
    QCOMPARE(w.pnlDetails->edtAnsA->text(), QStringLiteral("say 'hi'"));
    w.pnlDetails->setQuestionText(QString());
    QTest::keyClicks(w.pnlDetails->mmoQuestion, "A \"B");
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("A 'B"));
    QTest::keyClicks(w.pnlDetails->edtRef, "\"");
    QCOMPARE(w.pnlDetails->edtRef->text(), QStringLiteral("1:1'"));
    QCOMPARE(f.prompts.shown.size(), alwaysWarn ? 4 : 0);
    if (alwaysWarn)
        QCOMPARE(f.prompts.shown.first(), QuoteWarning);
}

void EditingTest::lineBreaksAndForeignCharactersNeverReachALine()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    QPlainTextEdit* memo = w.pnlDetails->mmoQuestion;
    w.pnlDetails->setQuestionText(QString());
    memo->setFocus();
    QTest::keyClicks(memo, "One");
    QTest::keyClick(memo, Qt::Key_Return);
    QTest::keyClicks(memo, "two");
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Onetwo"));

    // Pasted text arrives as an insertion, not key by key.
    memo->insertPlainText("\nthree \u4E2D");
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("Onetwo three "));
    QCOMPARE(f.prompts.beeps, 1);
    memo->insertPlainText(QString(100, u'x'));
    QCOMPARE(w.pnlDetails->questionText().size(), 90);
}

void EditingTest::questionBoxHoldsNinety_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("pasted"); // typed when empty
    QTest::addColumn<QString>("text");
    const QString full(90, u'a');
    // clang-format off
    QTest::newRow("typing at the end")         << 90 << 90 << "" << full;
    QTest::newRow("typing in the middle")      << 90 << 10 << "" << full;
    QTest::newRow("pasting into the middle")   << 85 << 10 << "0123456789"
                                               << QString(10, u'a') + "01234" + QString(75, u'a');
    QTest::newRow("pasting a line break")      << 89 << 89 << "\r\nz" << QString(89, u'a') + ' ';
    // clang-format on
}

// A full question box takes no more: what is cut is what came in, never the
// text already there.
void EditingTest::questionBoxHoldsNinety()
{
    QFETCH(int, length);
    QFETCH(int, cursor);
    QFETCH(QString, pasted);
    QFETCH(QString, text);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(1)})});
    QPlainTextEdit* memo = w.pnlDetails->mmoQuestion;
    w.pnlDetails->setQuestionText(QString(length, u'a'));
    memo->setFocus();
    QTextCursor at = memo->textCursor();
    at.setPosition(cursor);
    memo->setTextCursor(at);
    if (pasted.isEmpty()) {
        QTest::keyClicks(memo, "Z");
    } else {
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(memo, QKeySequence::Paste);
    }
    QCOMPARE(w.pnlDetails->questionText(), text);
}

void EditingTest::pastedTextIsCleaned_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("warnings");
    QTest::addColumn<int>("beeps");
    // clang-format off
    QTest::newRow("quote into the reference") << "edtRef" << "2\"7" << "2'7" << 1 << 0;
    QTest::newRow("CR LF into the reference") << "edtRef" << "2\r\n7" << "2 7" << 0 << 0;
    QTest::newRow("CR LF into an answer")     << "edtAnsA" << "one\r\ntwo" << "one two" << 0 << 0;
    QTest::newRow("lone CR into an answer")   << "edtAnsB" << "one\rtwo" << "one two" << 0 << 0;
    QTest::newRow("foreign into an answer")   << "edtAnsD" << "x\u4e2dy" << "xy" << 0 << 1;
    QTest::newRow("CR LF into the question")  << "mmoQuestion" << "one\r\ntwo" << "one two" << 0 << 0;
    QTest::newRow("LF and quotes into the question")
        << "mmoQuestion" << "a\n\"b\"" << "a 'b'" << 1 << 0;
    // clang-format on
}

// Pasted text bypasses the keys, and is cleaned once it is in the box.
void EditingTest::pastedTextIsCleaned()
{
    QFETCH(QString, box);
    QFETCH(QString, clipboard);
    QFETCH(QString, text);
    QFETCH(int, warnings);
    QFETCH(int, beeps);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(1)})});
    w.mnuOptionsAlwaysWarn->setChecked(true);
    w.pnlDetails->edtRef->clear();
    w.pnlDetails->edtAnsA->clear();
    w.pnlDetails->edtAnsB->clear();
    w.pnlDetails->edtAnsD->clear();
    w.pnlDetails->setQuestionText(QString());
    QApplication::clipboard()->setText(clipboard);
    QWidget* target = w.pnlDetails->findChild<QWidget*>(box);
    target->setFocus();
    QTest::keySequence(target, QKeySequence::Paste);
    const PanelValues values = w.pnlDetails->values();
    const QString shown = box == u"edtRef"        ? values.reference
                          : box == u"mmoQuestion" ? values.question
                          : box == u"edtAnsA"     ? values.answerA
                          : box == u"edtAnsB"     ? values.answerB
                                                  : values.answerD;
    QCOMPARE(shown, text);
    QCOMPARE(f.prompts.shown, QStringList(warnings, QuoteWarning));
    QCOMPARE(f.prompts.beeps, beeps);
}

void EditingTest::undoNeverBringsBackAQuote_data()
{
    QTest::addColumn<bool>("memo");
    QTest::newRow("answer box") << false;
    QTest::newRow("question box") << true;
}

// Undoing a typed double quote takes the apostrophe away with one warning;
// it never restores the quote, which would be replaced and warned of again.
void EditingTest::undoNeverBringsBackAQuote()
{
    QFETCH(bool, memo);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(1)})});
    w.mnuOptionsAlwaysWarn->setChecked(true);
    QWidget* box = memo ? static_cast<QWidget*>(w.pnlDetails->mmoQuestion) : w.pnlDetails->edtAnsA;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_End, memo ? Qt::ControlModifier : Qt::NoModifier);
    QTest::keyClicks(box, "\"");
    const QString before = memo ? QStringLiteral("Question 1?") : QStringLiteral("Alpha");
    const auto text = [&] {
        return memo ? w.pnlDetails->questionText() : w.pnlDetails->edtAnsA->text();
    };
    QCOMPARE(text(), before + u'\'');
    QTest::keySequence(box, QKeySequence::Undo);
    QTest::keySequence(box, QKeySequence::Undo);
    QCOMPARE(text(), before);
    QCOMPARE(f.prompts.shown, QStringList{QuoteWarning});
}

void EditingTest::decodedQuoteIsReportedNotStored()
{
    WindowFixture f;
    const QString file =
        f.writeFile("quiz.qus", {R"("C1","1","A","Gen. 1:1","","a","b","c","d")", f.question(2)});
    TfrmMain& w = f.start({file});
    QCOMPARE(w.pnlDetails->questionText(), QStringLiteral("\""));
    w.pnlDetails->edtAnsA->setText("changed");
    f.prompts.answers.enqueue(Answer::Ok);
    f.clickRow(2);
    QCOMPARE(f.prompts.shown,
             QStringList{"report: " + CheckReportHeading +
                         "The question contains a double quote or a line break.\r\n"});
    QVERIFY(!w.document().list().isModified(0));
}

void EditingTest::savedFileDecodesToWhatWasTyped()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1), f.question(2)});
    TfrmMain& w = f.start({file});
    DetailPanel& panel = *w.pnlDetails;
    panel.cbxBook->setCurrentIndex(61); // 1 John
    panel.edtRef->setText("  4:8");
    panel.rgpLevel->setItemIndex(3);
    panel.rgpCorrect->setItemIndex(2);
    panel.setQuestionText(
        QString::fromUtf8("Who wrote \u201cGod is love\u201d, 1 John 4:8 \u2013 caf\u00e9?"));
    panel.edtAnsA->setText(QString::fromUtf8("Peter \u20ac5"));
    panel.edtAnsB->setText("Paul, the apostle");
    panel.edtAnsC->setText("John");
    panel.edtAnsD->setText(" James ");
    f.clickRow(2);
    w.mnuFileSave->trigger();
    QCOMPARE(f.prompts.shown, QStringList());

    QuestionList reread;
    QuestionRecord record;
    reread.FillQuestionList(file, record, DecodeMode::Full);
    DecodeQuestionLine(reread.line(0), record, DecodeMode::Full);
    QCOMPARE(record.Book, 61);
    QCOMPARE(record.Level, 3);
    QCOMPARE(record.Correct, 2);
    QCOMPARE(Windows1252::toUnicode(record.Reference.view()), QStringLiteral("4:8"));
    QCOMPARE(Windows1252::toUnicode(record.Question.view()), panel.questionText());
    QCOMPARE(Windows1252::toUnicode(record.AnswerA.view()), QString::fromUtf8("Peter \u20ac5"));
    QCOMPARE(Windows1252::toUnicode(record.AnswerB.view()), QStringLiteral("Paul, the apostle"));
    QCOMPARE(Windows1252::toUnicode(record.AnswerD.view()), QStringLiteral(" James "));
    QVERIFY(reread.line(0).startsWith("\"C62\",\"4\",\"C\",\"1 John   4:8\""));
}

QTEST_MAIN(EditingTest)
#include "tst_editing.moc"
