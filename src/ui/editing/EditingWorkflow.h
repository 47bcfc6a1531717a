// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionRecord.h"

#include <QObject>

class DetailPanel;
class QUndoStack;
class QuestionDocument;
class QuestionGrid;
class UserPrompts;
class ValidationTable;
struct EditorPreferences;

// Showing, changing, committing, adding and cancelling questions in the
// detail panel, marking rows deleted, and taking changes back. Every change
// to the list is a command on the undo stack.
class EditingWorkflow : public QObject
{
    Q_OBJECT

public:
    EditingWorkflow(QuestionDocument& document, QUndoStack& history,
                    const EditorPreferences& preferences, const ValidationTable& table,
                    DetailPanel& panel, QuestionGrid& grid, UserPrompts& prompts, QWidget* window);

    // The record the panel was last loaded from.
    const QuestionRecord& currentRecord() const { return m_record; }
    void setCurrentRecord(const QuestionRecord& record) { m_record = record; }
    // List index of the question in the panel; -1 for a new one.
    int currentIndex() const { return m_currentIndex; }

    void ShowQuestion(int gridRow);
    bool IsQuestionChanged() const;
    bool CommitQuestion();
    // True to proceed, false when the command that asked must stop.
    bool ResolvePendingEdit();
    void ClearQuestionPanel();
    // The panel as at start: nothing chosen or typed, no record.
    void showNoQuestion();
    // An empty panel for a new question, Save New offered.
    void startNewEntry();
    void hideSaveNew();

    void popEditClick();
    void popAddClick();
    void btnSaveNewClick();
    void mnuActionsCancelEditClick();
    void escapePressed();
    void popToggleDeleteClick();
    void cbxBookChange();
    void chkValidateClick();
    // Undo and Redo: the pending panel edit is resolved first, then the
    // question the step changed is shown.
    void mnuActionsUndoClick();
    void mnuActionsRedoClick();

private:
    bool CheckRecord();
    // False when the stored row holds texts longer than the panel's, which
    // storing would cut, and the author does not want them cut.
    bool confirmCuts();
    void warnAboutQuote();
    void stepHistory(bool back);

    QuestionDocument& m_document;
    QUndoStack& m_history;
    const EditorPreferences& m_preferences;
    const ValidationTable& m_table;
    DetailPanel& m_panel;
    QuestionGrid& m_grid;
    UserPrompts& m_prompts;
    QWidget* m_window;

    QuestionRecord m_record;
    int m_currentIndex = -1;
    int m_currentRow = 0;      // grid row current when the panel was last loaded
    int m_lastChangedRow = -1; // list index of the last row the document changed
};
