#include "EditingWorkflow.h"

#include "BookTable.h"
#include "DetailPanel.h"
#include "EditorSession.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "QuestionLineCodec.h"
#include "RadioGroup.h"
#include "RecordChecks.h"
#include "TextEntryGuard.h"
#include "UserPrompts.h"
#include "Windows1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString text(QByteArrayView bytes)
{
    return Windows1252::toUnicode(bytes);
}

QByteArray bytes(const QString& text)
{
    return Windows1252::fromUnicode(text);
}

} // namespace

EditingWorkflow::EditingWorkflow(EditorSession& session, DetailPanel& panel, QuestionGrid& grid,
                                 QuestionGridModel& model, UserPrompts& prompts, QWidget* window)
    : QObject(window), m_session(session), m_panel(panel), m_grid(grid), m_model(model),
      m_prompts(prompts), m_window(window)
{
    connect(m_panel.textGuard, &TextEntryGuard::quoteReplaced, this,
            &EditingWorkflow::warnAboutQuote);
    connect(m_panel.textGuard, &TextEntryGuard::characterRefused, this,
            [this] { m_prompts.beep(); });
}

void EditingWorkflow::warnAboutQuote()
{
    if (m_session.alwaysWarn)
        m_prompts.information(
            m_window, QStringLiteral("Due to the nature of this file, you can not use the double "
                                     "quote character in your text strings. The application will "
                                     "substitute a single quote."));
}

void EditingWorkflow::ShowQuestion(int gridRow)
{
    QuestionRecord& record = m_session.CurrentRecord;
    DecodeQuestionLine(m_session.list.line(gridRow - 1), record, DecodeMode::Full);

    m_panel.lblQuestionNbr->setText(QStringLiteral("# %1").arg(gridRow));
    const PanelValues shown = PanelValuesOf(record);
    m_panel.cbxBook->setCurrentIndex(shown.book);
    m_panel.edtRef->setText(shown.reference);
    m_panel.rgpLevel->setItemIndex(shown.level);
    m_panel.rgpCorrect->setItemIndex(shown.correct);
    m_panel.setQuestionText(shown.question);
    m_panel.edtAnsA->setText(shown.answerA);
    m_panel.edtAnsB->setText(shown.answerB);
    m_panel.edtAnsC->setText(shown.answerC);
    m_panel.edtAnsD->setText(shown.answerD);
    m_session.CurrentIndex = gridRow - 1;

    m_panel.chkValidate->setEnabled(true);
    if (m_session.resetValidate)
        m_panel.chkValidate->setChecked(true);
    if (!IsBibleBook(record.Book)) {
        m_panel.chkValidate->setChecked(false);
        m_panel.chkValidate->setEnabled(false);
    }
    m_session.CurrentRow = m_grid.currentGridRow();
}

bool EditingWorkflow::IsQuestionChanged() const
{
    if (m_session.isUntitled())
        return false;
    const QuestionRecord& record = m_session.CurrentRecord;
    return m_panel.cbxBook->currentIndex() != record.Book ||
           m_panel.edtRef->text() != text(record.Reference.view()) ||
           m_panel.questionText() != text(record.Question.view()) ||
           m_panel.edtAnsA->text() != text(record.AnswerA.view()) ||
           m_panel.edtAnsB->text() != text(record.AnswerB.view()) ||
           m_panel.edtAnsC->text() != text(record.AnswerC.view()) ||
           m_panel.edtAnsD->text() != text(record.AnswerD.view()) ||
           m_panel.rgpLevel->itemIndex() != record.Level ||
           m_panel.rgpCorrect->itemIndex() != record.Correct;
}

bool EditingWorkflow::CheckRecord()
{
    const CheckOutcome outcome = ::CheckRecord(m_panel.values(), m_session.table);
    if (outcome.passed)
        return true;
    if (m_prompts.checkReport(m_window, outcome.report) == UserPrompts::Answer::Cancel)
        mnuActionsCancelEditClick();
    m_grid.selectGridRow(m_session.CurrentRow);
    return false;
}

bool EditingWorkflow::CommitQuestion()
{
    if (!CheckRecord())
        return false;
    QuestionList& list = m_session.list;
    if (m_session.CurrentIndex == -1) {
        const int formerCount = list.count();
        m_session.CurrentIndex = list.AppendQuestionRow();
        m_model.rowAppended();
        m_grid.setTopRow(formerCount);
        m_grid.selectGridRow(formerCount + 1);
        m_panel.btnSaveNew->hide();
        m_panel.btnSaveNew->setEnabled(false);
    }
    const PanelValues panel = m_panel.values();
    const QByteArray line = EncodeQuestionLine(
        panel.book, panel.level, panel.correct, bytes(panel.reference), bytes(panel.question),
        bytes(panel.answerA), bytes(panel.answerB), bytes(panel.answerC), bytes(panel.answerD));
    list.StoreCommittedLine(m_session.CurrentIndex, line, bytes(panel.question));
    // The panel now shows what is stored: nothing is pending any more.
    DecodeQuestionLine(line, m_session.CurrentRecord, DecodeMode::Full);
    m_model.rowsChanged(m_session.CurrentIndex, m_session.CurrentIndex);
    return true;
}

bool EditingWorkflow::ResolvePendingEdit()
{
    if (!IsQuestionChanged())
        return true;
    if (m_session.autosave)
        return CommitQuestion();
    switch (m_prompts.confirm(
        m_window,
        QStringLiteral("Do you wish to save the changes to this record before continuing?"))) {
    case UserPrompts::Answer::Yes:
        return CommitQuestion();
    case UserPrompts::Answer::No:
        return true;
    default:
        return false;
    }
}

void EditingWorkflow::ClearQuestionPanel()
{
    m_panel.cbxBook->setCurrentIndex(-1);
    m_panel.lblQuestionNbr->setText(QStringLiteral("# %1").arg(m_session.list.count() + 1));
    m_panel.edtRef->clear();
    m_panel.setQuestionText(QString());
    m_panel.edtAnsA->clear();
    m_panel.edtAnsB->clear();
    m_panel.edtAnsC->clear();
    m_panel.edtAnsD->clear();
    m_session.CurrentIndex = -1;
    m_panel.rgpLevel->setItemIndex(0);
    m_panel.rgpCorrect->setItemIndex(0);
}

void EditingWorkflow::popEditClick()
{
    const int first = m_grid.selectionFirstRow();
    const int last = m_grid.selectionLastRow();
    if (first == last && first < 1)
        return;
    if (first != last) {
        m_prompts.information(m_window, QStringLiteral("Please select one row only for editing."));
        return;
    }
    if (!ResolvePendingEdit())
        return;
    // A commit of a new question selects the new last row, which is then
    // the one shown.
    ShowQuestion(m_grid.selectionFirstRow());
}

void EditingWorkflow::popAddClick()
{
    const int rows = m_grid.rowCountWithHeader();
    if (rows > 5)
        m_grid.setTopRow(rows - 1);
    else
        m_grid.scrollToTop();
    ClearQuestionPanel();
    ClearQuestionRecord(m_session.CurrentRecord);
    m_panel.cbxBook->setFocus();
    m_panel.btnSaveNew->show();
    m_panel.btnSaveNew->setEnabled(true);
}

void EditingWorkflow::btnSaveNewClick()
{
    // In a named file the Edit command's pending-change test commits the new
    // question; with no row to move to (an empty file) it would never run,
    // so the question is committed here as in an untitled list.
    const bool commitHere = m_session.isUntitled() || m_grid.selectionFirstRow() < 1;
    if (commitHere && !CommitQuestion())
        return;
    popEditClick();
}

void EditingWorkflow::hideSaveNew()
{
    m_panel.btnSaveNew->hide();
    m_panel.btnSaveNew->setEnabled(false);
}

void EditingWorkflow::mnuActionsCancelEditClick()
{
    const int first = m_grid.selectionFirstRow();
    if (first < 1)
        return;
    ShowQuestion(first);
    hideSaveNew();
}

void EditingWorkflow::escapePressed()
{
    const int last = m_session.list.count();
    if (last < 1)
        return;
    m_grid.selectGridRow(last);
    ShowQuestion(last);
    m_panel.btnSaveNew->hide();
}

void EditingWorkflow::popToggleDeleteClick()
{
    const int first = m_grid.selectionFirstRow();
    const int last = m_grid.selectionLastRow();
    if (first == last && first < 1)
        return;
    m_session.list.ToggleDeleteMarks(first, last);
    m_model.rowsChanged(std::max(first, 1) - 1, last - 1);
}

void EditingWorkflow::cbxBookChange()
{
    m_panel.edtRef->setFocus();
    m_panel.chkValidate->setChecked(IsBibleBook(m_panel.cbxBook->currentIndex()));
}

void EditingWorkflow::chkValidateClick()
{
    if (m_panel.chkValidate->isChecked() && !IsBibleBook(m_panel.cbxBook->currentIndex())) {
        m_prompts.information(
            m_window, QStringLiteral("Validation not available for non-Biblical references"));
        m_panel.chkValidate->setChecked(false);
    }
}
