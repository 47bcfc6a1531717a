// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmMain.h"

#include "BankLanguageLink.h"
#include "BankTools.h"
#include "BuilderLibrary.h"
#include "DetailPanel.h"
#include "EditingWorkflow.h"
#include "EditorSettings.h"
#include "EscapeAndHintFilter.h"
#include "FileCommands.h"
#include "HelpWindow.h"
#include "ImportExportTool.h"
#include "LanguageMenu.h"
#include "QuestionDocument.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "QvedError.h"
#include "ScriptureLink.h"
#include "SpellingLink.h"
#include "TdmQVED3.h"
#include "TfrmAbout.h"
#include "TfrmBuildTest.h"
#include "TfrmGoTo.h"
#include "TfrmReportSetup.h"
#include "UserPrompts.h"
#include "WindowHabits.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

TfrmMain::Environment TfrmMain::defaultEnvironment(TdmQVED3& dataModule)
{
    return Environment{ProgramFolder(), BuilderLibrary(), &dataModule,
                       TableLocations::standard().folders()};
}

TfrmMain::TfrmMain(UserPrompts& prompts, const QStringList& arguments, Environment environment,
                   QWidget* parent)
    : QMainWindow(parent), m_prompts(prompts), m_environment(std::move(environment)),
      m_tables(m_table, m_environment.programFolder, m_environment.tableFolders,
               m_environment.builder, prompts, this)
{
    if (!m_environment.dataModule) {
        m_ownDataModule = std::make_unique<TdmQVED3>();
        m_environment.dataModule = m_ownDataModule.get();
    }
    // The icons and help live in a static library, whose resources must be
    // registered by hand.
    Q_INIT_RESOURCE(ui);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(tr("Quorvale Question Editor"));
    resize(630, 450);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    LoadValTable();
    m_document = new QuestionDocument(this);
    m_history = new QUndoStack(this);
    m_model = new QuestionGridModel(*m_document, this);
    buildControls(*this, *m_model);
    showOptions();
    connect(tmrTime, &QTimer::timeout, this, &TfrmMain::tmrTimeTimer);
    tmrTime->start();
    tmrTimeTimer();

    m_editing = new EditingWorkflow(*m_document, *m_history, m_preferences, m_table, *pnlDetails,
                                    *stgQuestions, m_prompts, this);
    m_files = new FileCommands(*m_document, *m_history, m_preferences, *m_editing, *stgQuestions,
                               m_prompts, this);
    connectCommands();
    connectHistory();
    // Tools: the whole-bank tools, then the verse and spelling, then the test.
    auto* tools = new BankTools(*this, *m_model, m_prompts);
    new LanguageMenu(*mnuOptionsLanguage, m_prompts, this);
    // Import and Export follow the items that open and save.
    if (auto* file = menuBar()->findChild<QMenu*>(QStringLiteral("mnuFile"))) {
        QAction* after = file->actions().value(file->actions().indexOf(mnuFileSaveAs) + 1);
        file->insertSeparator(after);
        file->insertActions(after, {tools->importExport().mnuFileImport,
                                    tools->importExport().mnuFileExport});
    }
    mnuTools->addSeparator();
    auto* scripture = new ScriptureLink(*this, *pnlDetails, *mnuTools);
    auto* spelling = new SpellingLink(*pnlDetails, *mnuTools, m_prompts, this);
    new BankLanguageLink(*m_document, *scripture->dock(), *spelling, *mnuTools);
    mnuTools->addSeparator();
    QAction* buildTest = mnuTools->addAction(tr("&Build Test..."), this, [this] {
        TfrmBuildTest(m_document->list(), m_table, m_prompts,
                      m_document->isUntitled() ? QString() : m_document->fileName(), this)
            .exec();
    });
    buildTest->setObjectName(QStringLiteral("mnuToolsBuildTest"));
    EnableFileCommands(false);
    new EscapeAndHintFilter(*this, m_preferences.helpHints,
                            [this] { runCommand([this] { m_editing->escapePressed(); }); });

    new WindowHabits(*this, *this, *m_files, m_prompts);
    // A file named on the command line is opened as File > Open opens it and
    // shown with the options' built-in states; the settings come last.
    runCommand([this, &arguments] { m_files->openCommandLineFile(arguments); });
    readSettings();
}

TfrmMain::~TfrmMain()
{
    // The stack empties itself as it goes; that is no step the author took.
    m_history->disconnect();
}

void TfrmMain::route(std::initializer_list<QAction*> triggers, std::function<void()> command)
{
    for (QAction* trigger : triggers)
        connect(trigger, &QAction::triggered, this, [this, command] { runCommand(command); });
}

void TfrmMain::connectCommands()
{
    EditingWorkflow* editing = m_editing;
    FileCommands* files = m_files;
    route({mnuFileOpen, btnOpen}, [files] { files->mnuFileOpenClick(); });
    route({mnuFileNew}, [files] { files->mnuFileNewClick(); });
    // A save stores the panel's pending edit first, as moving to another
    // question would, so what the author typed is in the file.
    route({mnuFileSave, btnSave}, [files, editing] {
        if (editing->ResolvePendingEdit())
            files->mnuFileSaveClick();
    });
    route({mnuFileSaveAs}, [files, editing] {
        if (editing->ResolvePendingEdit())
            files->mnuFileSaveAsClick();
    });
    route({mnuFileExit, btnExit}, [this] { close(); });
    route({mnuActionsAdd, btnAdd, popAdd}, [editing] { editing->popAddClick(); });
    route({mnuActionsEdit, btnEdit, popEdit}, [editing] { editing->popEditClick(); });
    route({mnuActionsDelete, btnDelete, popToggleDelete},
          [editing] { editing->popToggleDeleteClick(); });
    route({mnuActionsCancelEdit, btnCancelEdit},
          [editing] { editing->mnuActionsCancelEditClick(); });
    route({mnuActionsSearch, btnGoTo}, [this] { mnuActionsSearchClick(); });
    route({mnuReports, btnReports}, [this] { mnuReportsClick(); });
    route({mnuOptionsRebuildValidationTable}, [this] { mnuOptionsRebuildValidationTableClick(); });
    route({mnuHelpHelp}, [this] { mnuHelpHelpClick(); });
    route({mnuHelpAbout}, [this] { mnuHelpAboutClick(); });

    connect(mnuOptionsAutosave, &QAction::toggled, this,
            [this](bool on) { m_preferences.autosave = on; });
    connect(mnuOptionsAlwaysWarn, &QAction::toggled, this,
            [this](bool on) { m_preferences.alwaysWarn = on; });
    connect(mnuOptionsResetValidate, &QAction::toggled, this,
            [this](bool on) { m_preferences.resetValidate = on; });
    connect(mnuOptionsHelpHints, &QAction::toggled, this,
            [this](bool on) { m_preferences.helpHints = on; });

    connect(stgQuestions, &QuestionGrid::selectionMovedByUser, this,
            [this] { runCommand([this] { m_editing->popEditClick(); }); });
    connect(stgQuestions, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        popEditMenu->popup(stgQuestions->viewport()->mapToGlobal(at));
    });
    connect(pnlDetails->btnSaveNew, &QPushButton::clicked, this,
            [this] { runCommand([this] { m_editing->btnSaveNewClick(); }); });
    connect(pnlDetails->cbxBook, &QComboBox::activated, this,
            [this] { runCommand([this] { m_editing->cbxBookChange(); }); });
    connect(pnlDetails->chkValidate, &QCheckBox::clicked, this,
            [this] { runCommand([this] { m_editing->chkValidateClick(); }); });
}

void TfrmMain::connectHistory()
{
    route({mnuActionsUndo, btnUndo}, [this] { m_editing->mnuActionsUndoClick(); });
    route({mnuActionsRedo, btnRedo}, [this] { m_editing->mnuActionsRedoClick(); });
    const auto showSteps = [this] {
        mnuActionsUndo->setText(m_history->canUndo() ? tr("&Undo %1").arg(m_history->undoText())
                                                     : tr("&Undo"));
        mnuActionsRedo->setText(m_history->canRedo() ? tr("&Redo %1").arg(m_history->redoText())
                                                     : tr("&Redo"));
        for (QAction* undo : {mnuActionsUndo, btnUndo})
            undo->setEnabled(m_history->canUndo());
        for (QAction* redo : {mnuActionsRedo, btnRedo})
            redo->setEnabled(m_history->canRedo());
        btnUndo->setToolTip(QString(mnuActionsUndo->text()).remove(u'&'));
        btnRedo->setToolTip(QString(mnuActionsRedo->text()).remove(u'&'));
    };
    connect(m_history, &QUndoStack::indexChanged, this, showSteps);
    connect(m_history, &QUndoStack::cleanChanged, this, showSteps);
    showSteps();
    connect(m_history, &QUndoStack::cleanChanged, m_document,
            [this](bool clean) { m_document->setModified(!clean); });

    connect(m_document, &QuestionDocument::listReset, this, &TfrmMain::updateCaption);
    connect(m_document, &QuestionDocument::fileNameChanged, this, &TfrmMain::updateCaption);
    connect(m_document, &QuestionDocument::modifiedChanged, this, &TfrmMain::updateCaption);
    connect(m_files, &FileCommands::fileCommandsEnabled, this, &TfrmMain::EnableFileCommands);
    // The message comes once when the journal stops keeping changes; the
    // status bar and the title show it until a change is kept again.
    connect(m_document, &QuestionDocument::journalFailed, this,
            [this](const QString& message) { m_prompts.information(this, message); });
    connect(m_document, &QuestionDocument::journalKeepingChanged, this, &TfrmMain::updateCaption);
}

void TfrmMain::updateCaption()
{
    const bool keeping = m_document->isJournalKeeping();
    // The untitled list's name is a mark the document keeps; only shown here.
    const QString name = m_document->isUntitled() ? tr("[Untitled]") : m_document->fileName();
    setWindowTitle(tr("Quorvale Question Editor - %1%2[*]")
                       .arg(name, m_document->isReadOnly() ? tr(" (read only)") : QString()) +
                   (keeping ? QString() : tr(" (not kept for recovery)")));
    statusJournal->setVisible(!keeping);
    setWindowModified(m_document->isModified());
}

void TfrmMain::runCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const QvedError& error) {
        m_prompts.error(this, error.message());
    } catch (const std::exception& error) {
        m_prompts.error(this, QString::fromLocal8Bit(error.what()));
    }
}

void TfrmMain::EnableFileCommands(bool on)
{
    for (QAction* item : {btnSave, mnuFileSave, mnuFileSaveAs, btnAdd, mnuActionsAdd, btnEdit,
                          mnuActionsEdit, btnDelete, mnuActionsDelete, btnCancelEdit,
                          mnuActionsCancelEdit, btnGoTo, mnuActionsSearch, btnReports, mnuReports})
        item->setEnabled(on);
    // A file another editor holds is looked at, never changed here.
    const bool storing = !m_document->isReadOnly();
    for (QAction* item : {btnSave, mnuFileSave, btnAdd, mnuActionsAdd, btnEdit, mnuActionsEdit,
                          btnDelete, mnuActionsDelete})
        item->setEnabled(on && storing);
    if (auto* import = findChild<QAction*>(QStringLiteral("mnuFileImport")))
        import->setEnabled(on && storing);
    if (auto* exporting = findChild<QAction*>(QStringLiteral("mnuFileExport")))
        exporting->setEnabled(on);
    for (QAction* item : {popAdd, popEdit, popToggleDelete,
                          findChild<QAction*>(QStringLiteral("mnuToolsFindReplace"))}) {
        if (item)
            item->setEnabled(storing);
    }
    pnlDetails->setEditable(storing);
}

void TfrmMain::tmrTimeTimer()
{
    statusClock->setText(
        QLocale::c().toString(QDateTime::currentDateTime(), tr("MM/dd/yyyy  hh:mm:ss AP")));
}

void TfrmMain::LoadValTable()
{
    m_tables.load();
}

void TfrmMain::mnuOptionsRebuildValidationTableClick()
{
    m_tables.rebuild();
}

void TfrmMain::readSettings()
{
    m_helpFile = EditorSettings::ReadSettings(m_preferences, m_environment.programFolder);
    showOptions();
}

void TfrmMain::showOptions()
{
    mnuOptionsAutosave->setChecked(m_preferences.autosave);
    mnuOptionsAlwaysWarn->setChecked(m_preferences.alwaysWarn);
    mnuOptionsResetValidate->setChecked(m_preferences.resetValidate);
    mnuOptionsHelpHints->setChecked(m_preferences.helpHints);
}

void TfrmMain::goToRow(int row)
{
    stgQuestions->selectGridRow(row);
    stgQuestions->setTopRow(row);
    m_editing->popEditClick();
}

void TfrmMain::mnuActionsSearchClick()
{
    TfrmGoTo locator(m_document->list(), m_prompts, this);
    if (locator.exec() == QDialog::Accepted && locator.GoToTarget() > 0)
        goToRow(locator.GoToTarget());
}

void TfrmMain::mnuReportsClick()
{
    TfrmReportSetup setup(m_document->list(), *m_environment.dataModule, m_prompts, this,
                          m_document->isUntitled() ? QString() : m_document->fileName());
    setup.exec();
}

void TfrmMain::mnuHelpAboutClick()
{
    TfrmAbout about(this);
    about.exec();
}

void TfrmMain::mnuHelpHelpClick()
{
    // Without a viewer for the help file the editor's own help is shown.
    if (QFileInfo(m_helpFile).isFile() &&
        QDesktopServices::openUrl(QUrl::fromLocalFile(m_helpFile)))
        return;
    HelpWindow::showHelp(this);
}

bool TfrmMain::event(QEvent* event)
{
    // The long hint of whatever is under the pointer goes to panel 0.
    if (event->type() == QEvent::StatusTip) {
        statusHint->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    // An error in the close check ends the close like any other command.
    bool canClose = false;
    runCommand([&] { canClose = m_files->FormCloseQuery(); });
    if (!canClose) {
        event->ignore();
        return;
    }
    EditorSettings::WriteSettings(m_preferences);
    event->accept();
}
