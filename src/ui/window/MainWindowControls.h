// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>

class DetailPanel;
class QAbstractItemModel;
class QAction;
class QLabel;
class QMainWindow;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QuestionGrid;

// The main window's controls: its actions, menus, tool bar, grid, panel and
// status bar, made in the window and named as the editor's documentation
// names them. The window wires them to their commands.
struct MainWindowControls
{
    Q_DECLARE_TR_FUNCTIONS(MainWindowControls)

public:
    // Makes every control in the window; the grid shows the model.
    void buildControls(QMainWindow& window, QAbstractItemModel& model);

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

    QMenu* mnuOptionsLanguage; // filled by LanguageMenu
    QMenu* mnuTools;
    QMenu* popEditMenu;
    QAction* popAdd;
    QAction* popEdit;
    QAction* popToggleDelete;
    QAction* popCancel;

    QSplitter* splCentral; // the grid above the panel
    QuestionGrid* stgQuestions;
    DetailPanel* pnlDetails;
    QLabel* statusHint;  // status panel 0
    QLabel* statusClock; // status panel 1
    QLabel* statusJournal; // shown while changes are not kept for recovery
    QTimer* tmrTime;

private:
    void buildActions(QMainWindow& window);
    void buildMenus(QMainWindow& window);
    void buildToolBar(QMainWindow& window);
    void buildCentralArea(QMainWindow& window, QAbstractItemModel& model);
    void buildStatusBar(QMainWindow& window);
};
