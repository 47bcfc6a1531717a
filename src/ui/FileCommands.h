#pragma once

#include <QObject>

class EditingWorkflow;
class QUndoStack;
class QuestionDocument;
class QuestionGrid;
class QuestionList;
class UserPrompts;
struct EditorPreferences;
struct QuestionRecord;

// Open, Save, Save As, New, the recovery of unsaved work and the close
// check of the main window.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(QuestionDocument& document, QUndoStack& history, EditorPreferences& preferences,
                 EditingWorkflow& editing, QuestionGrid& grid, UserPrompts& prompts,
                 QWidget* window);

    static const QString OpenFilter;
    static const QString SaveFilter;

    // Reads the file into a new list; only when all of it was read does the
    // list replace the open one and the file become the current file. Any
    // failure throws and leaves the open list, its name and the panel as
    // they were.
    void LoadQuestionFile(const QString& path);
    // Opens a file the author chose: when it has a journal of unsaved
    // changes, the author is asked whether to recover them first.
    void OpenQuestionFile(const QString& path);

    void mnuFileOpenClick();
    // True when the list was written (or had nothing to write).
    bool mnuFileSaveClick();
    bool mnuFileSaveAsClick();
    void mnuFileNewClick();
    // False when the window must stay open.
    bool FormCloseQuery();

signals:
    // The commands that need an open list are to be offered, or not.
    void fileCommandsEnabled(bool on);

private:
    QuestionList readList(const QString& path, QuestionRecord& record);
    // The read list becomes the open one and its first question is shown.
    void install(QuestionList list, const QuestionRecord& record, const QString& path,
                 bool recovered);
    // The journal is replayed over the file; false, with the reason shown,
    // when it is damaged.
    bool recover(const QString& path);
    // Writes the list to the path and reloads it from there; false, with
    // the message shown, when anything failed.
    bool WriteQuestionFile(const QString& path);
    // False when the file changed on disk since it was read and the author
    // does not want it overwritten.
    bool confirmOverwriteOfChangedFile(const QString& path);
    // The save question before the list is replaced; false on Cancel.
    bool offerToSave(const QString& question);
    void showBackupMessage();
    // Says how many texts of the opened list are longer than the editor
    // keeps, once an open, when there are any.
    void reportLongTexts();

    QuestionDocument& m_document;
    QUndoStack& m_history;
    EditorPreferences& m_preferences;
    EditingWorkflow& m_editing;
    QuestionGrid& m_grid;
    UserPrompts& m_prompts;
    QWidget* m_window;
    // The author declined to save: the open list's journal goes once the
    // list is replaced, and stays while the command may still stop.
    bool m_journalDeclined = false;
};
