#pragma once

#include <QObject>

class DetailPanel;
class QuestionGrid;
class QuestionGridModel;
class UserPrompts;
struct EditorSession;

// Showing, changing, committing, adding and cancelling questions in the
// detail panel, and marking rows deleted.
class EditingWorkflow : public QObject
{
    Q_OBJECT

public:
    EditingWorkflow(EditorSession& session, DetailPanel& panel, QuestionGrid& grid,
                    QuestionGridModel& model, UserPrompts& prompts, QWidget* window);

    void ShowQuestion(int gridRow);
    bool IsQuestionChanged() const;
    bool CommitQuestion();
    // True to proceed, false when the command that asked must stop.
    bool ResolvePendingEdit();
    void ClearQuestionPanel();

    void popEditClick();
    void popAddClick();
    void btnSaveNewClick();
    void mnuActionsCancelEditClick();
    void escapePressed();
    void popToggleDeleteClick();
    void cbxBookChange();
    void chkValidateClick();

private:
    bool CheckRecord();
    void hideSaveNew();
    void warnAboutQuote();

    EditorSession& m_session;
    DetailPanel& m_panel;
    QuestionGrid& m_grid;
    QuestionGridModel& m_model;
    UserPrompts& m_prompts;
    QWidget* m_window;
};
