#pragma once

#include <QObject>
#include <functional>

class EditingWorkflow;
class QuestionGrid;
class QuestionGridModel;
class UserPrompts;
struct EditorSession;

// Open, Save, Save As, New and the close check of the main window.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    struct Hooks
    {
        std::function<void(bool)> enableFileCommands;
        std::function<void(const QString&)> setCaption;
        std::function<void()> hideSaveNew;
        std::function<void()> startNewEntry; // empty panel, focus on the book, Save New shown
        std::function<void()> showNoQuestion; // the panel as at start: nothing chosen or typed
    };

    FileCommands(EditorSession& session, EditingWorkflow& editing, QuestionGrid& grid,
                 QuestionGridModel& model, UserPrompts& prompts, Hooks hooks, QWidget* window);

    static const QString OpenFilter;
    static const QString SaveFilter;

    // Reads the file named by the current file name into the list and grid.
    void LoadQuestionFile();

    void mnuFileOpenClick();
    void mnuFileSaveClick();
    void mnuFileSaveAsClick();
    void mnuFileNewClick();
    // False when the window must stay open.
    bool FormCloseQuery();

private:
    bool WriteQuestionFile();
    // Empties the panel and the record, leaving no question current.
    void showNoQuestion();
    // The save question before the list is replaced; false on Cancel.
    bool offerToSave(const QString& question);
    void showBackupMessage();

    EditorSession& m_session;
    EditingWorkflow& m_editing;
    QuestionGrid& m_grid;
    QuestionGridModel& m_model;
    UserPrompts& m_prompts;
    Hooks m_hooks;
    QWidget* m_window;
};
