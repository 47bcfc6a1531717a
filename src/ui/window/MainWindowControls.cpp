// SPDX-License-Identifier: GPL-2.0-or-later
#include "MainWindowControls.h"

#include "DetailPanel.h"
#include "HintText.h"
#include "PaletteColours.h"
#include "QuestionGrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QAction* action(QMainWindow& window, const QString& name, const QString& caption,
                const QString& hint, const QString& icon = {})
{
    auto* result = new QAction(caption, &window);
    result->setObjectName(name);
    if (!icon.isEmpty())
        result->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    HintText::apply(result, hint);
    return result;
}

} // namespace

void MainWindowControls::buildControls(QMainWindow& window, QAbstractItemModel& model)
{
    buildActions(window);
    buildMenus(window);
    buildToolBar(window);
    buildCentralArea(window, model);
    buildStatusBar(window);
}

void MainWindowControls::buildActions(QMainWindow& window)
{
    btnOpen = action(window, QStringLiteral("btnOpen"), tr("Open"), tr("Open|Open a file."),
                     QStringLiteral("open"));
    btnSave = action(window, QStringLiteral("btnSave"), tr("Save"),
                     tr("Save|Save the current file."), QStringLiteral("save"));
    btnAdd = action(window, QStringLiteral("btnAdd"), tr("New Question"),
                    tr("New Question|Add a new question."), QStringLiteral("add"));
    btnEdit = action(window, QStringLiteral("btnEdit"), tr("Edit"),
                     tr("Edit|Edit the highlighted question."), QStringLiteral("edit"));
    btnDelete = action(window, QStringLiteral("btnDelete"), tr("Delete"),
                       tr("Delete|Delete the highlighted question(s)."), QStringLiteral("delete"));
    btnCancelEdit = action(window, QStringLiteral("btnCancelEdit"), tr("Cancel Edit"),
                           tr("Cancel Edit|Reload the edit boxes without saving any changes."),
                           QStringLiteral("canceledit"));
    btnUndo = action(window, QStringLiteral("btnUndo"), tr("Undo"),
                     tr("Undo|Take back the last change to the list."), QStringLiteral("undo"));
    btnRedo = action(window, QStringLiteral("btnRedo"), tr("Redo"),
                     tr("Redo|Make again the change last taken back."), QStringLiteral("redo"));
    btnGoTo = action(window, QStringLiteral("btnGoTo"), tr("Search"),
                     tr("Search|Open the question search form"), QStringLiteral("search"));
    btnReports =
        action(window, QStringLiteral("btnReports"), tr("Print Reports"),
               tr("Print Reports|Show report generation screen"), QStringLiteral("reports"));
    btnExit = action(window, QStringLiteral("btnExit"), tr("Exit"),
                     tr("Exit|Exit the application."), QStringLiteral("exit"));

    mnuFileOpen = action(window, QStringLiteral("mnuFileOpen"), tr("&Open..."), tr("Open a file"));
    mnuFileNew = action(window, QStringLiteral("mnuFileNew"), tr("&New"),
                        tr("New|Begin a New Question File"));
    mnuFileSave =
        action(window, QStringLiteral("mnuFileSave"), tr("&Save"), tr("Save current file"));
    mnuFileSaveAs = action(window, QStringLiteral("mnuFileSaveAs"), tr("Save &As..."),
                           tr("Save the current question list with a new name."));
    mnuFileExit =
        action(window, QStringLiteral("mnuFileExit"), tr("E&xit"), tr("Exit application"));
    mnuFileExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));
    // The keys every desktop program has; none was taken by the editor.
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));

    mnuActionsAdd = action(window, QStringLiteral("mnuActionsAdd"), tr("&Add"),
                           tr("Add|Add a new question (to the end of the list only)."));
    mnuActionsCancelEdit =
        action(window, QStringLiteral("mnuActionsCancelEdit"), tr("&Cancel Edit"), QString());
    mnuActionsDelete =
        action(window, QStringLiteral("mnuActionsDelete"), tr("&Delete/Restore"),
               tr("Delete/Restore|Mark the highlighted questions for deletion/restoration."));
    mnuActionsEdit = action(window, QStringLiteral("mnuActionsEdit"), tr("&Edit"),
                            tr("Edit|Edit the highlighted question."));
    mnuActionsSearch = action(window, QStringLiteral("mnuActionsSearch"), tr("&Search"), QString());
    mnuActionsUndo = action(window, QStringLiteral("mnuActionsUndo"), tr("&Undo"),
                            tr("Take back the last change to the list."));
    mnuActionsRedo = action(window, QStringLiteral("mnuActionsRedo"), tr("&Redo"),
                            tr("Make again the change last taken back."));
    // In a text box these keys undo typing there: the box takes them first.
    mnuActionsUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuActionsRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    mnuOptionsAutosave = action(window, QStringLiteral("mnuOptionsAutosave"), tr("&Autosave"),
                                tr("Automatically save changes when moving to another record."));
    mnuOptionsAlwaysWarn =
        action(window, QStringLiteral("mnuOptionsAlwaysWarn"), tr("Always &Warn"),
               tr("Displays a message when you type unacceptable characters."));
    mnuOptionsResetValidate = action(window, QStringLiteral("mnuOptionsResetValidate"),
                                     tr("&Reset Validate with each record change"),
                                     tr("|Allow the Validation checkbox to remain unchecked."));
    mnuOptionsHelpHints = action(window, QStringLiteral("mnuOptionsHelpHints"), tr("Help Hints"),
                                 tr("Toggle \"Bubble\" Hints|Toggle Hint Boxes on and off"));
    for (QAction* option :
         {mnuOptionsAutosave, mnuOptionsAlwaysWarn, mnuOptionsResetValidate, mnuOptionsHelpHints})
        option->setCheckable(true);
    mnuOptionsRebuildValidationTable =
        action(window, QStringLiteral("mnuOptionsRebuildValidationTable"),
               tr("Rebuild &Validation Table"), tr("|Rebuilds and reloads the validation table."));

    mnuReports = action(window, QStringLiteral("mnuReports"), tr("&Reports"),
                        tr("Display the report request window."));
    mnuHelpHelp = action(window, QStringLiteral("mnuHelpHelp"), tr("&Help"),
                         tr("Open the help file"));
    mnuHelpHelp->setShortcut(QKeySequence(Qt::Key_F1));
    mnuHelpAbout = action(window, QStringLiteral("mnuHelpAbout"), tr("&About..."),
                          tr("Display the about box"));

    popAdd = action(window, QStringLiteral("popAdd"), tr("&Add"),
                    tr("Add a new question (to the end of the list only)."));
    popEdit = action(window, QStringLiteral("popEdit"), tr("&Edit"),
                     tr("Edit the highlighted question."));
    popToggleDelete = action(window, QStringLiteral("popToggleDelete"), tr("&Toggle Delete Flag"),
                             tr("Mark the highlighted questions for deletion/restoration."));
    popCancel = action(window, QStringLiteral("popCancel"), tr("C&lose"), tr("Close this menu."));
}

void MainWindowControls::buildMenus(QMainWindow& window)
{
    window.menuBar()->setObjectName(QStringLiteral("mnuMain"));
    QMenu* file = window.menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addActions({mnuFileOpen, mnuFileNew, mnuFileSave, mnuFileSaveAs});
    file->addSeparator();
    file->addAction(mnuFileExit);

    QMenu* actions = window.menuBar()->addMenu(tr("&Actions"));
    actions->setObjectName(QStringLiteral("Actions1"));
    actions->addActions({mnuActionsUndo, mnuActionsRedo});
    actions->addSeparator();
    actions->addActions({mnuActionsAdd, mnuActionsCancelEdit, mnuActionsDelete, mnuActionsEdit});
    actions->addSeparator();
    actions->addAction(mnuActionsSearch);

    QMenu* options = window.menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    options->addActions(
        {mnuOptionsAutosave, mnuOptionsAlwaysWarn, mnuOptionsResetValidate, mnuOptionsHelpHints});
    options->addSeparator();
    options->addAction(mnuOptionsRebuildValidationTable);
    mnuOptionsLanguage = options->addMenu(tr("&Language"));
    mnuOptionsLanguage->setObjectName(QStringLiteral("mnuOptionsLanguage"));

    // The whole-bank tools; each tool adds its own commands.
    mnuTools = window.menuBar()->addMenu(tr("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));

    window.menuBar()->addAction(mnuReports);

    QMenu* help = window.menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->setStatusTip(tr("Open the help file"));
    help->addActions({mnuHelpHelp, mnuHelpAbout});

    popEditMenu = new QMenu(&window);
    popEditMenu->setObjectName(QStringLiteral("popEditMenu"));
    popEditMenu->addActions({popAdd, popEdit, popToggleDelete});
    popEditMenu->addSeparator();
    popEditMenu->addAction(popCancel);
}

void MainWindowControls::buildToolBar(QMainWindow& window)
{
    ToolBar1 = window.addToolBar(tr("Tools"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar1->toggleViewAction()->setEnabled(false);
    ToolBar1->addActions({btnOpen, btnSave});
    ToolBar1->addSeparator();
    ToolBar1->addActions(
        {btnAdd, btnEdit, btnDelete, btnCancelEdit, btnUndo, btnRedo, btnGoTo, btnReports});
    ToolBar1->addSeparator();
    ToolBar1->addAction(btnExit);
}

void MainWindowControls::buildCentralArea(QMainWindow& window, QAbstractItemModel& model)
{
    // The layout takes the bars the tools put above the grid.
    auto* central = new QWidget(&window);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    splCentral = new QSplitter(Qt::Vertical, central);
    splCentral->setObjectName(QStringLiteral("splCentral"));
    splCentral->setChildrenCollapsible(false);
    layout->addWidget(splCentral, 1);

    stgQuestions = new QuestionGrid(splCentral);
    stgQuestions->setObjectName(QStringLiteral("stgQuestions"));
    stgQuestions->setModel(&model);
    stgQuestions->setAccessibleName(QCoreApplication::translate("MainWindowControls", "Questions"));
    stgQuestions->setAccessibleDescription(QCoreApplication::translate(
        "MainWindowControls", "The questions of the file; the chosen one is edited below"));
    splCentral->addWidget(stgQuestions);

    pnlDetails = new DetailPanel(splCentral);
    splCentral->addWidget(pnlDetails);
    // A taller window gives the grid more rows, not the panel more room.
    splCentral->setStretchFactor(0, 1);
    splCentral->setStretchFactor(1, 0);
    window.setCentralWidget(central);
}

void MainWindowControls::buildStatusBar(QMainWindow& window)
{
    statusHint = new QLabel(&window);
    statusHint->setMinimumWidth(400);
    statusClock = new QLabel(&window);
    statusClock->setFixedWidth(150);
    statusClock->setAlignment(Qt::AlignCenter);
    window.statusBar()->setObjectName(QStringLiteral("stbStatus"));
    window.statusBar()->addWidget(statusHint, 1);
    statusJournal = new QLabel(tr("Changes not kept for recovery"), &window);
    statusJournal->setObjectName(QStringLiteral("stbJournal"));
    statusJournal->setStyleSheet(QStringLiteral("QLabel { color: %1; font-weight: bold; }")
                                     .arg(PaletteColours::alert(window.palette()).name()));
    statusJournal->hide();
    window.statusBar()->addPermanentWidget(statusJournal);
    window.statusBar()->addPermanentWidget(statusClock);
    window.statusBar()->setSizeGripEnabled(true);

    tmrTime = new QTimer(&window);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(1000);
}
