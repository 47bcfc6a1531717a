// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "EditorPreferences.h"
#include "MainWindowControls.h"
#include "ToolHost.h"
#include "ValidationTable.h"
#include "ValidationTableCommands.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class DetailPanel;
class EditingWorkflow;
class FileCommands;
class QUndoStack;
class QuestionDocument;
class QuestionGrid;
class QuestionGridModel;
class TdmQVED3;
class UserPrompts;

// The main window: it builds the controls and wires each one to its
// command; the commands themselves live in FileCommands and
// EditingWorkflow.
class TfrmMain : public QMainWindow, public MainWindowControls, public ToolHost
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

    QMainWindow& mainWindow() override { return *this; }
    QuestionDocument& document() override { return *m_document; }
    QUndoStack& history() override { return *m_history; }
    const ValidationTable& table() const override { return m_table; }
    EditingWorkflow& editing() override { return *m_editing; }
    QuestionGrid& grid() override { return *stgQuestions; }
    DetailPanel& panel() override { return *pnlDetails; }
    QMenu& toolsMenu() override { return *mnuTools; }
    void goToRow(int row) override;
    void runCommand(const std::function<void()>& command) override;
    EditorPreferences& preferences() { return m_preferences; }
    FileCommands& fileCommands() { return *m_files; }
    const QString& helpFile() const { return m_helpFile; }

    void EnableFileCommands(bool on);
    void tmrTimeTimer();
    void LoadValTable();
    void mnuOptionsRebuildValidationTableClick();
    void mnuActionsSearchClick();
    void mnuReportsClick();
    void mnuHelpHelpClick();
    void mnuHelpAboutClick();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void connectCommands();
    void connectHistory();
    // "Quorvale Question Editor - <file>", marked while there are unsaved changes.
    void updateCaption();
    void readSettings();
    void showOptions();
    // Connects the triggers to one command, run through runCommand.
    void route(std::initializer_list<QAction*> triggers, std::function<void()> command);

    UserPrompts& m_prompts;
    Environment m_environment;
    std::unique_ptr<TdmQVED3> m_ownDataModule;
    EditorPreferences m_preferences;
    ValidationTable m_table;
    ValidationTableCommands m_tables;
    QuestionDocument* m_document;
    QUndoStack* m_history;
    QuestionGridModel* m_model;
    EditingWorkflow* m_editing;
    FileCommands* m_files;
    QString m_helpFile = QStringLiteral("QVED3.HLP");
};
