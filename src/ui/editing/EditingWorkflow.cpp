// SPDX-License-Identifier: GPL-2.0-or-later
#include "EditingWorkflow.h"

#include "AddQuestionCommand.h"
#include "BookTable.h"
#include "DetailPanel.h"
#include "EditQuestionCommand.h"
#include "EditorPreferences.h"
#include "QuestionDocument.h"
#include "QuestionGrid.h"
#include "QuestionLineCodec.h"
#include "RadioGroup.h"
#include "RecordChecks.h"
#include "StoredTexts.h"
#include "TextEntryGuard.h"
#include "ToggleDeleteCommand.h"
#include "UserPrompts.h"
#include "Windows1252.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <algorithm>

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

EditingWorkflow::EditingWorkflow(QuestionDocument& document, QUndoStack& history,
                                 const EditorPreferences& preferences, const ValidationTable& table,
                                 DetailPanel& panel, QuestionGrid& grid, UserPrompts& prompts,
                                 QWidget* window)
    : QObject(window), m_document(document), m_history(history), m_preferences(preferences),
      m_table(table), m_panel(panel), m_grid(grid), m_prompts(prompts), m_window(window)
{
    connect(&m_document, &QuestionDocument::rowsChanged, this,
            [this](int first, int) { m_lastChangedRow = first; });
    connect(m_panel.textGuard, &TextEntryGuard::quoteReplaced, this,
            &EditingWorkflow::warnAboutQuote);
    connect(m_panel.textGuard, &TextEntryGuard::characterRefused, this,
            [this] { m_prompts.beep(); });
}

void EditingWorkflow::warnAboutQuote()
{
    if (m_preferences.alwaysWarn)
        m_prompts.information(m_window,
                              tr("Due to the nature of this file, you can not use the double "
                                 "quote character in your text strings. The application will "
                                 "substitute a single quote."));
}

void EditingWorkflow::ShowQuestion(int gridRow)
{
    QuestionRecord& record = m_record;
    DecodeQuestionLine(m_document.list().line(gridRow - 1), record, DecodeMode::Full);

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
    m_currentIndex = gridRow - 1;

    m_panel.chkValidate->setEnabled(true);
    if (m_preferences.resetValidate)
        m_panel.chkValidate->setChecked(true);
    if (!IsBibleBook(record.Book)) {
        m_panel.chkValidate->setChecked(false);
        m_panel.chkValidate->setEnabled(false);
    }
    m_currentRow = m_grid.currentGridRow();
}

bool EditingWorkflow::IsQuestionChanged() const
{
    // A read-only file has nothing pending: nothing of it can be stored.
    if (m_document.isUntitled() || m_document.isReadOnly())
        return false;
    const QuestionRecord& record = m_record;
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
    const CheckOutcome outcome = ::CheckRecord(m_panel.values(), m_table);
    if (outcome.passed)
        return true;
    if (m_prompts.checkReport(m_window, outcome.report) == UserPrompts::Answer::Cancel)
        mnuActionsCancelEditClick();
    m_grid.selectGridRow(m_currentRow);
    return false;
}

bool EditingWorkflow::confirmCuts()
{
    if (m_currentIndex < 0)
        return true;
    // The panel holds what decoding kept of the stored texts: what the line
    // holds beyond that goes when the panel's texts are stored.
    const StoredTexts stored(m_document.list().line(m_currentIndex), m_record.Book);
    const QList<StoredTexts::Field> cut = stored.overlong();
    if (cut.isEmpty())
        return true;
    QString question = tr("Question %1 holds texts longer than the editor keeps; "
                          "storing it cuts them:")
                           .arg(m_currentIndex + 1);
    for (const StoredTexts::Field field : cut)
        question += tr("\r\n%1: %2 characters, cut to %3")
                        .arg(StoredTexts::name(field))
                        .arg(stored.text(field).size())
                        .arg(StoredTexts::limit(field));
    question += tr("\r\nStore the question?");
    if (m_prompts.confirm(m_window, question) == UserPrompts::Answer::Yes)
        return true;
    // The edit stays in the panel, on its row.
    m_grid.selectGridRow(m_currentRow);
    return false;
}

bool EditingWorkflow::CommitQuestion()
{
    if (m_document.isReadOnly() || !CheckRecord() || !confirmCuts())
        return false;
    const PanelValues panel = m_panel.values();
    QByteArray line = EncodeQuestionLine(
        panel.book, panel.level, panel.correct, bytes(panel.reference), bytes(panel.question),
        bytes(panel.answerA), bytes(panel.answerB), bytes(panel.answerC), bytes(panel.answerD));
    // The panel now shows what is stored: nothing is pending any more.
    DecodeQuestionLine(line, m_record, DecodeMode::Full);
    if (m_currentIndex == -1) {
        const int formerCount = m_document.list().count();
        m_history.push(new AddQuestionCommand(m_document, std::move(line), bytes(panel.question)));
        m_currentIndex = formerCount;
        m_grid.setTopRow(formerCount);
        m_grid.selectGridRow(formerCount + 1);
        hideSaveNew();
    } else {
        m_history.push(new EditQuestionCommand(m_document, m_currentIndex, std::move(line),
                                               bytes(panel.question)));
    }
    return true;
}

bool EditingWorkflow::ResolvePendingEdit()
{
    if (!IsQuestionChanged())
        return true;
    if (m_preferences.autosave)
        return CommitQuestion();
    switch (m_prompts.confirm(
        m_window, tr("Do you wish to save the changes to this record before continuing?"))) {
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
    m_panel.lblQuestionNbr->setText(QStringLiteral("# %1").arg(m_document.list().count() + 1));
    m_panel.edtRef->clear();
    m_panel.setQuestionText(QString());
    m_panel.edtAnsA->clear();
    m_panel.edtAnsB->clear();
    m_panel.edtAnsC->clear();
    m_panel.edtAnsD->clear();
    m_currentIndex = -1;
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
        m_prompts.information(m_window, tr("Please select one row only for editing."));
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
    startNewEntry();
}

void EditingWorkflow::startNewEntry()
{
    ClearQuestionRecord(m_record);
    m_panel.cbxBook->setFocus();
    m_panel.showSaveNew(true);
}

void EditingWorkflow::showNoQuestion()
{
    ClearQuestionPanel();
    m_panel.lblQuestionNbr->setText(QStringLiteral("#"));
    m_panel.rgpLevel->setItemIndex(-1);
    m_panel.rgpCorrect->setItemIndex(-1);
    ClearQuestionRecord(m_record);
}

void EditingWorkflow::btnSaveNewClick()
{
    // In a named file the Edit command's pending-change test commits the new
    // question; with no row to move to (an empty file) it would never run,
    // so the question is committed here as in an untitled list.
    const bool commitHere = m_document.isUntitled() || m_grid.selectionFirstRow() < 1;
    if (commitHere && !CommitQuestion())
        return;
    popEditClick();
}

void EditingWorkflow::hideSaveNew()
{
    m_panel.showSaveNew(false);
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
    const int last = m_document.list().count();
    if (last < 1)
        return;
    m_grid.selectGridRow(last);
    ShowQuestion(last);
    hideSaveNew();
}

void EditingWorkflow::popToggleDeleteClick()
{
    const int first = m_grid.selectionFirstRow();
    const int last = m_grid.selectionLastRow();
    if ((first == last && first < 1) || m_document.isReadOnly())
        return;
    m_history.push(new ToggleDeleteCommand(m_document, first, last));
}

void EditingWorkflow::cbxBookChange()
{
    m_panel.edtRef->setFocus();
    m_panel.chkValidate->setChecked(IsBibleBook(m_panel.cbxBook->currentIndex()));
}

void EditingWorkflow::chkValidateClick()
{
    if (m_panel.chkValidate->isChecked() && !IsBibleBook(m_panel.cbxBook->currentIndex())) {
        m_prompts.information(m_window, tr("Validation not available for non-Biblical references"));
        m_panel.chkValidate->setChecked(false);
    }
}

void EditingWorkflow::mnuActionsUndoClick()
{
    stepHistory(true);
}

void EditingWorkflow::mnuActionsRedoClick()
{
    stepHistory(false);
}

void EditingWorkflow::stepHistory(bool back)
{
    if (!(back ? m_history.canUndo() : m_history.canRedo()))
        return;
    // Storing a pending edit is a new step, which would drop the steps to
    // redo: the author decides about the edit first.
    if (!back && IsQuestionChanged()) {
        m_prompts.information(m_window, tr("Store the change in the panel, or "
                                           "cancel it, before Redo."));
        return;
    }
    if (!ResolvePendingEdit())
        return;
    m_lastChangedRow = -1;
    if (back)
        m_history.undo();
    else
        m_history.redo();
    const int count = m_document.list().count();
    if (count == 0) {
        showNoQuestion();
        hideSaveNew();
        return;
    }
    // An undone new question leaves the last row to show.
    const int gridRow = std::clamp(m_lastChangedRow, 0, count - 1) + 1;
    m_grid.selectGridRow(gridRow);
    ShowQuestion(gridRow);
    hideSaveNew();
}
