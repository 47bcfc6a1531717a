#pragma once

#include "EditorPreferences.h"
#include "TableLocations.h"
#include "ValidationTable.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class DetailPanel;
class EditingWorkflow;
class FileCommands;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QUndoStack;
class QuestionDocument;
class QuestionGrid;
class QuestionGridModel;
class TdmQVED3;
class UserPrompts;

// The main window: it builds the controls and wires each one to its
// command; the commands themselves live in FileCommands and
// EditingWorkflow.
class TfrmMain : public QMainWindow
{
    Q_OBJECT

public:
    // Where the window finds its validation table, and who writes it.
    struct Environment
    {
        QString programFolder;
        ValidationTable::Builder builder;
        TdmQVED3* dataModule = nullptr; // the window makes its own when none is given
        // Where the table is looked for, in order; the program folder alone
        // when empty.
        QStringList tableFolders = {};
    };
    static Environment defaultEnvironment(TdmQVED3& dataModule);

    // arguments: the command line without the program name.
    TfrmMain(UserPrompts& prompts, const QStringList& arguments, Environment environment,
             QWidget* parent = nullptr);
    ~TfrmMain() override;

    QuestionDocument& document() { return *m_document; }
    QUndoStack& history() { return *m_history; }
    EditorPreferences& preferences() { return m_preferences; }
    const ValidationTable& table() const { return m_table; }
    EditingWorkflow& editing() { return *m_editing; }
    FileCommands& fileCommands() { return *m_files; }
    const QString& helpFile() const { return m_helpFile; }

    // Runs a command; an error that escapes it is shown and the program goes on.
    void runCommand(const std::function<void()>& command);

    void EnableFileCommands(bool on);
    void tmrTimeTimer();
    void LoadValTable();
    void mnuOptionsRebuildValidationTableClick();
    void mnuActionsSearchClick();
    void mnuReportsClick();
    void mnuHelpHelpClick();
    void mnuHelpAboutClick();
    // Selects the question's row, puts it at the top and opens it.
    void goToRow(int row);

    // The controls, named as the editor's documentation names them.
    QToolBar* ToolBar1;
    QAction* btnOpen;
    QAction* btnSave;
    QAction* btnAdd;
    QAction* btnEdit;
    QAction* btnDelete;
    QAction* btnCancelEdit;
    QAction* btnUndo;
    QAction* btnRedo;
    QAction* btnGoTo;
    QAction* btnReports;
    QAction* btnExit;

    QAction* mnuFileOpen;
    QAction* mnuFileNew;
    QAction* mnuFileSave;
    QAction* mnuFileSaveAs;
    QAction* mnuFileExit;
    QAction* mnuActionsAdd;
    QAction* mnuActionsCancelEdit;
    QAction* mnuActionsDelete;
    QAction* mnuActionsEdit;
    QAction* mnuActionsSearch;
    QAction* mnuActionsUndo;
    QAction* mnuActionsRedo;
    QAction* mnuOptionsAutosave;
    QAction* mnuOptionsAlwaysWarn;
    QAction* mnuOptionsResetValidate;
    QAction* mnuOptionsHelpHints;
    QAction* mnuOptionsRebuildValidationTable;
    QAction* mnuReports;
    QAction* mnuHelpHelp;
    QAction* mnuHelpAbout;

    QMenu* mnuTools;
    QMenu* popEditMenu;
    QAction* popAdd;
    QAction* popEdit;
    QAction* popToggleDelete;
    QAction* popCancel;

    QuestionGrid* stgQuestions;
    DetailPanel* pnlDetails;
    QLabel* statusHint;  // status panel 0
    QLabel* statusClock; // status panel 1
    QLabel* statusJournal; // shown while changes are not kept for recovery
    QTimer* tmrTime;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void buildToolBar();
    void buildCentralArea();
    void buildStatusBar();
    void connectCommands();
    void connectHistory();
    // "Quorvale Question Editor - <file>", marked while there are unsaved changes.
    void updateCaption();
    TableLocations tableLocations() const;
    // Shows the message of a validation table load that failed, naming the table.
    void reportValTable(ValidationTable::LoadOutcome outcome, const QString& path);
    void readSettings();
    void showOptions();
    QAction* action(const QString& name, const QString& caption, const QString& hint,
                    const QString& icon = {});
    // Connects the triggers to one command, run through runCommand.
    void route(std::initializer_list<QAction*> triggers, std::function<void()> command);

    UserPrompts& m_prompts;
    Environment m_environment;
    std::unique_ptr<TdmQVED3> m_ownDataModule;
    EditorPreferences m_preferences;
    ValidationTable m_table;
    QuestionDocument* m_document;
    QUndoStack* m_history;
    QuestionGridModel* m_model;
    EditingWorkflow* m_editing;
    FileCommands* m_files;
    QString m_helpFile = QStringLiteral("QVED3.HLP");
    bool m_escapePressed = false;
};
