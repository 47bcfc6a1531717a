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
        std::function<void()> startNewEntry;  // empty panel, focus on the book, Save New shown
        std::function<void()> showNoQuestion; // the panel as at start: nothing chosen or typed
    };

    FileCommands(EditorSession& session, EditingWorkflow& editing, QuestionGrid& grid,
                 QuestionGridModel& model, UserPrompts& prompts, Hooks hooks, QWidget* window);

    static const QString OpenFilter;
    static const QString SaveFilter;

    // Reads the file into a new list; only when all of it was read does the
    // list replace the open one and the file become the current file. Any
    // failure throws and leaves the open list, its name and the panel as
    // they were.
    void LoadQuestionFile(const QString& path);

    void mnuFileOpenClick();
    // True when the list was written (or had nothing to write).
    bool mnuFileSaveClick();
    bool mnuFileSaveAsClick();
    void mnuFileNewClick();
    // False when the window must stay open.
    bool FormCloseQuery();

private:
    // Writes the list to the path and reloads it from there; false, with
    // the message shown, when anything failed.
    bool WriteQuestionFile(const QString& path);
    // False when the file changed on disk since it was read and the author
    // does not want it overwritten.
    bool confirmOverwriteOfChangedFile(const QString& path);
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
