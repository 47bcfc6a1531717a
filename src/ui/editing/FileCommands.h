// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "EditorLock.h"

#include <QObject>
#include <functional>

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
    // they were. The bare load, as the reload after a save: no lock, backup
    // or recovery question.
    void LoadQuestionFile(const QString& path);
    // Opens a file the author chose (File > Open or the command line). A
    // file another editor holds is offered read-only or not at all; else,
    // when it has a journal of unsaved changes, the author is asked whether
    // to recover them. Only when all of the file was read does the list
    // replace the open one and the file become the current file; any failure
    // throws and leaves the open list, its name and the panel as they were.
    // Once the file has read completely its backup is made
    // from the bytes read; a failed read leaves the backup as it was.
    void OpenQuestionFile(const QString& path);
    // The file named first on the command line, or the message that there
    // is none.
    void openCommandLineFile(const QStringList& arguments);

    void mnuFileOpenClick();
    // Opens the path as File > Open opens the file chosen in its dialog
    // (a recent file, a file dropped on the window).
    void openFile(const QString& path);
    // Where the open dialog starts: the open file's folder, else the folder
    // last opened from, never the program's folder.
    QString openFolder() const;
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
    void openChosen(const std::function<QString()>& choose);
    QuestionList readList(const QString& path, QuestionRecord& record);
    // The read list becomes the open one and its first question is shown.
    void install(QuestionList list, const QuestionRecord& record, const QString& path,
                 bool readOnly = false);
    void showInstalled(const QuestionRecord& record);
    // The journal is replayed, and the author told how many changes came
    // back; false, with the reason shown, when none did.
    bool recover(const QString& path);
    // Writes the list to the path and reloads it from there; false, with
    // the message shown, when anything failed. newLock: the lock of a new
    // name, held from then on.
    bool WriteQuestionFile(const QString& path, EditorLock* newLock = nullptr);
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
    // Held while the open file is edited here.
    EditorLock m_lock;
    // The author declined to save: the open list's journal goes once the
    // list is replaced, and stays while the command may still stop.
    bool m_journalDeclined = false;
};
