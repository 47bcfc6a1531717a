#include "TfrmMain.h"

#include "BankTools.h"
#include "BookTable.h"
#include "BuilderLibrary.h"
#include "DetailPanel.h"
#include "EditingWorkflow.h"
#include "EditorSettings.h"
#include "FileCommands.h"
#include "HelpWindow.h"
#include "HintText.h"
#include "QuestionDocument.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "QvedError.h"
#include "RadioGroup.h"
#include "ScriptureLink.h"
#include "SpellingLink.h"
#include "TdmQVED3.h"
#include "TfrmAbout.h"
#include "TfrmBuildTest.h"
#include "TfrmGoTo.h"
#include "TfrmReportSetup.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>

TfrmMain::Environment TfrmMain::defaultEnvironment(TdmQVED3& dataModule)
{
    return Environment{ProgramFolder(), BuilderLibrary(), &dataModule,
                       TableLocations::standard().folders()};
}

TfrmMain::TfrmMain(UserPrompts& prompts, const QStringList& arguments, Environment environment,
                   QWidget* parent)
    : QMainWindow(parent), m_prompts(prompts), m_environment(std::move(environment))
{
    if (!m_environment.dataModule) {
        m_ownDataModule = std::make_unique<TdmQVED3>();
        m_environment.dataModule = m_ownDataModule.get();
    }
    // The icons and help live in a static library, whose resources must be
    // registered by hand.
    Q_INIT_RESOURCE(ui);
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Quorvale Question Editor"));
    resize(630, 450);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    LoadValTable();
    m_document = new QuestionDocument(this);
    m_history = new QUndoStack(this);
    m_model = new QuestionGridModel(*m_document, this);
    buildActions();
    buildMenus();
    buildToolBar();
    buildCentralArea();
    buildStatusBar();

    m_editing = new EditingWorkflow(*m_document, *m_history, m_preferences, m_table, *pnlDetails,
                                    *stgQuestions, m_prompts, this);
    m_files = new FileCommands(*m_document, *m_history, m_preferences, *m_editing, *stgQuestions,
                               m_prompts, this);
    connectCommands();
    connectHistory();
    // Tools: the whole-bank tools, then the verse and spelling, then the test.
    new BankTools(*this, *m_model, m_prompts);
    mnuTools->addSeparator();
    new ScriptureLink(*this, *pnlDetails, *mnuTools);
    new SpellingLink(*pnlDetails, *mnuTools, m_prompts, this);
    mnuTools->addSeparator();
    QAction* buildTest = mnuTools->addAction(QStringLiteral("&Build Test..."), this, [this] {
        TfrmBuildTest(m_document->list(), m_table, m_prompts,
                      m_document->isUntitled() ? QString() : m_document->fileName(), this)
            .exec();
    });
    buildTest->setObjectName(QStringLiteral("mnuToolsBuildTest"));
    EnableFileCommands(false);
    qApp->installEventFilter(this);

    // A file named on the command line is opened as File > Open opens it and
    // shown with the options' built-in states; the settings come last.
    runCommand([this, &arguments] { m_files->openCommandLineFile(arguments); });
    readSettings();
}

TfrmMain::~TfrmMain()
{
    qApp->removeEventFilter(this);
    // The stack empties itself as it goes; that is no step the author took.
    m_history->disconnect();
}

QAction* TfrmMain::action(const QString& name, const QString& caption, const QString& hint,
                          const QString& icon)
{
    auto* result = new QAction(caption, this);
    result->setObjectName(name);
    if (!icon.isEmpty())
        result->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(icon)));
    HintText::apply(result, hint);
    return result;
}

void TfrmMain::buildActions()
{
    btnOpen = action(QStringLiteral("btnOpen"), QStringLiteral("Open"),
                     QStringLiteral("Open|Open a file."), QStringLiteral("open"));
    btnSave = action(QStringLiteral("btnSave"), QStringLiteral("Save"),
                     QStringLiteral("Save|Save the current file."), QStringLiteral("save"));
    btnAdd = action(QStringLiteral("btnAdd"), QStringLiteral("New Question"),
                    QStringLiteral("New Question|Add a new question."), QStringLiteral("add"));
    btnEdit = action(QStringLiteral("btnEdit"), QStringLiteral("Edit"),
                     QStringLiteral("Edit|Edit the highlighted question."), QStringLiteral("edit"));
    btnDelete = action(QStringLiteral("btnDelete"), QStringLiteral("Delete"),
                       QStringLiteral("Delete|Delete the highlighted question(s)."),
                       QStringLiteral("delete"));
    btnCancelEdit =
        action(QStringLiteral("btnCancelEdit"), QStringLiteral("Cancel Edit"),
               QStringLiteral("Cancel Edit|Reload the edit boxes without saving any changes."),
               QStringLiteral("canceledit"));
    btnUndo = action(QStringLiteral("btnUndo"), QStringLiteral("Undo"),
                     QStringLiteral("Undo|Take back the last change to the list."),
                     QStringLiteral("undo"));
    btnRedo = action(QStringLiteral("btnRedo"), QStringLiteral("Redo"),
                     QStringLiteral("Redo|Make again the change last taken back."),
                     QStringLiteral("redo"));
    btnGoTo =
        action(QStringLiteral("btnGoTo"), QStringLiteral("Search"),
               QStringLiteral("Search|Open the question search form"), QStringLiteral("search"));
    btnReports = action(QStringLiteral("btnReports"), QStringLiteral("Print Reports"),
                        QStringLiteral("Print Reports|Show report generation screen"),
                        QStringLiteral("reports"));
    btnExit = action(QStringLiteral("btnExit"), QStringLiteral("Exit"),
                     QStringLiteral("Exit|Exit the application."), QStringLiteral("exit"));

    mnuFileOpen = action(QStringLiteral("mnuFileOpen"), QStringLiteral("&Open..."),
                         QStringLiteral("Open a file"));
    mnuFileNew = action(QStringLiteral("mnuFileNew"), QStringLiteral("&New"),
                        QStringLiteral("New|Begin a New Question File"));
    mnuFileSave = action(QStringLiteral("mnuFileSave"), QStringLiteral("&Save"),
                         QStringLiteral("Save current file"));
    mnuFileSaveAs = action(QStringLiteral("mnuFileSaveAs"), QStringLiteral("Save &As..."),
                           QStringLiteral("Save the current question list with a new name."));
    mnuFileExit = action(QStringLiteral("mnuFileExit"), QStringLiteral("E&xit"),
                         QStringLiteral("Exit application"));
    mnuFileExit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_X));

    mnuActionsAdd = action(QStringLiteral("mnuActionsAdd"), QStringLiteral("&Add"),
                           QStringLiteral("Add|Add a new question (to the end of the list only)."));
    mnuActionsCancelEdit =
        action(QStringLiteral("mnuActionsCancelEdit"), QStringLiteral("&Cancel Edit"), QString());
    mnuActionsDelete = action(
        QStringLiteral("mnuActionsDelete"), QStringLiteral("&Delete/Restore"),
        QStringLiteral("Delete/Restore|Mark the highlighted questions for deletion/restoration."));
    mnuActionsEdit = action(QStringLiteral("mnuActionsEdit"), QStringLiteral("&Edit"),
                            QStringLiteral("Edit|Edit the highlighted question."));
    mnuActionsSearch =
        action(QStringLiteral("mnuActionsSearch"), QStringLiteral("&Search"), QString());
    mnuActionsUndo = action(QStringLiteral("mnuActionsUndo"), QStringLiteral("&Undo"),
                            QStringLiteral("Take back the last change to the list."));
    mnuActionsRedo = action(QStringLiteral("mnuActionsRedo"), QStringLiteral("&Redo"),
                            QStringLiteral("Make again the change last taken back."));
    // In a text box these keys undo typing there: the box takes them first.
    mnuActionsUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuActionsRedo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});

    mnuOptionsAutosave =
        action(QStringLiteral("mnuOptionsAutosave"), QStringLiteral("&Autosave"),
               QStringLiteral("Automatically save changes when moving to another record."));
    mnuOptionsAlwaysWarn =
        action(QStringLiteral("mnuOptionsAlwaysWarn"), QStringLiteral("Always &Warn"),
               QStringLiteral("Displays a message when you type unacceptable characters."));
    mnuOptionsResetValidate =
        action(QStringLiteral("mnuOptionsResetValidate"),
               QStringLiteral("&Reset Validate with each record change"),
               QStringLiteral("|Allow the Validation checkbox to remain unchecked."));
    mnuOptionsHelpHints =
        action(QStringLiteral("mnuOptionsHelpHints"), QStringLiteral("Help Hints"),
               QStringLiteral("Toggle \"Bubble\" Hints|Toggle Hint Boxes on and off"));
    for (QAction* option :
         {mnuOptionsAutosave, mnuOptionsAlwaysWarn, mnuOptionsResetValidate, mnuOptionsHelpHints})
        option->setCheckable(true);
    mnuOptionsRebuildValidationTable =
        action(QStringLiteral("mnuOptionsRebuildValidationTable"),
               QStringLiteral("Rebuild &Validation Table"),
               QStringLiteral("|Rebuilds and reloads the validation table."));

    mnuReports = action(QStringLiteral("mnuReports"), QStringLiteral("&Reports"),
                        QStringLiteral("Display the report request window."));
    mnuHelpHelp = action(QStringLiteral("mnuHelpHelp"), QStringLiteral("&Help"),
                         QStringLiteral("Open the help file"));
    mnuHelpAbout = action(QStringLiteral("mnuHelpAbout"), QStringLiteral("&About..."),
                          QStringLiteral("Display the about box"));

    popAdd = action(QStringLiteral("popAdd"), QStringLiteral("&Add"),
                    QStringLiteral("Add a new question (to the end of the list only)."));
    popEdit = action(QStringLiteral("popEdit"), QStringLiteral("&Edit"),
                     QStringLiteral("Edit the highlighted question."));
    popToggleDelete =
        action(QStringLiteral("popToggleDelete"), QStringLiteral("&Toggle Delete Flag"),
               QStringLiteral("Mark the highlighted questions for deletion/restoration."));
    popCancel = action(QStringLiteral("popCancel"), QStringLiteral("C&lose"),
                       QStringLiteral("Close this menu."));
    showOptions();
}

void TfrmMain::buildMenus()
{
    menuBar()->setObjectName(QStringLiteral("mnuMain"));
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    file->addActions({mnuFileOpen, mnuFileNew, mnuFileSave, mnuFileSaveAs});
    file->addSeparator();
    file->addAction(mnuFileExit);

    QMenu* actions = menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->setObjectName(QStringLiteral("Actions1"));
    actions->addActions({mnuActionsUndo, mnuActionsRedo});
    actions->addSeparator();
    actions->addActions({mnuActionsAdd, mnuActionsCancelEdit, mnuActionsDelete, mnuActionsEdit});
    actions->addSeparator();
    actions->addAction(mnuActionsSearch);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("mnuOptions"));
    options->addActions(
        {mnuOptionsAutosave, mnuOptionsAlwaysWarn, mnuOptionsResetValidate, mnuOptionsHelpHints});
    options->addSeparator();
    options->addAction(mnuOptionsRebuildValidationTable);

    // The whole-bank tools; each tool adds its own commands.
    mnuTools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));

    menuBar()->addAction(mnuReports);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->setStatusTip(QStringLiteral("Open the help file"));
    help->addActions({mnuHelpHelp, mnuHelpAbout});

    popEditMenu = new QMenu(this);
    popEditMenu->setObjectName(QStringLiteral("popEditMenu"));
    popEditMenu->addActions({popAdd, popEdit, popToggleDelete});
    popEditMenu->addSeparator();
    popEditMenu->addAction(popCancel);
}

void TfrmMain::buildToolBar()
{
    ToolBar1 = addToolBar(QStringLiteral("Tools"));
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

void TfrmMain::buildCentralArea()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    stgQuestions = new QuestionGrid(central);
    stgQuestions->setObjectName(QStringLiteral("stgQuestions"));
    stgQuestions->setModel(m_model);
    layout->addWidget(stgQuestions, 1);

    pnlDetails = new DetailPanel(central);
    layout->addWidget(pnlDetails);
    setCentralWidget(central);
}

void TfrmMain::buildStatusBar()
{
    statusHint = new QLabel(this);
    statusHint->setMinimumWidth(400);
    statusClock = new QLabel(this);
    statusClock->setFixedWidth(150);
    statusClock->setAlignment(Qt::AlignCenter);
    statusBar()->setObjectName(QStringLiteral("stbStatus"));
    statusBar()->addWidget(statusHint, 1);
    statusJournal = new QLabel(QStringLiteral("Changes not kept for recovery"), this);
    statusJournal->setObjectName(QStringLiteral("stbJournal"));
    statusJournal->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
    statusJournal->hide();
    statusBar()->addPermanentWidget(statusJournal);
    statusBar()->addPermanentWidget(statusClock);
    statusBar()->setSizeGripEnabled(true);

    tmrTime = new QTimer(this);
    tmrTime->setObjectName(QStringLiteral("tmrTime"));
    tmrTime->setInterval(1000);
    connect(tmrTime, &QTimer::timeout, this, &TfrmMain::tmrTimeTimer);
    tmrTime->start();
    tmrTimeTimer();
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
        mnuActionsUndo->setText(m_history->canUndo()
                                    ? QStringLiteral("&Undo %1").arg(m_history->undoText())
                                    : QStringLiteral("&Undo"));
        mnuActionsRedo->setText(m_history->canRedo()
                                    ? QStringLiteral("&Redo %1").arg(m_history->redoText())
                                    : QStringLiteral("&Redo"));
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
    setWindowTitle(QStringLiteral("Quorvale Question Editor - %1%2[*]")
                       .arg(m_document->fileName(),
                            m_document->isReadOnly() ? QStringLiteral(" (read only)") : QString()) +
                   (keeping ? QString() : QStringLiteral(" (not kept for recovery)")));
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
    for (QAction* item : {popAdd, popEdit, popToggleDelete,
                          findChild<QAction*>(QStringLiteral("mnuToolsFindReplace"))}) {
        if (item)
            item->setEnabled(storing);
    }
    pnlDetails->setEditable(storing);
}

void TfrmMain::tmrTimeTimer()
{
    statusClock->setText(QLocale::c().toString(QDateTime::currentDateTime(),
                                               QStringLiteral("MM/dd/yyyy  hh:mm:ss AP")));
}

TableLocations TfrmMain::tableLocations() const
{
    if (m_environment.tableFolders.isEmpty())
        return TableLocations({m_environment.programFolder});
    return TableLocations(m_environment.tableFolders);
}

void TfrmMain::LoadValTable()
{
    const QString folder = tableLocations().lookupFolder();
    reportValTable(m_table.LoadValTable(folder, m_environment.builder),
                   folder + ValidationTable::FileName);
}

void TfrmMain::mnuOptionsRebuildValidationTableClick()
{
    const QString folder = tableLocations().rebuildFolder();
    if (folder.isEmpty()) {
        m_table = ValidationTable();
        m_prompts.information(this, QStringLiteral("No folder for the validation table can be "
                                                   "written in. Validation functions will be "
                                                   "inoperative."));
        return;
    }
    const auto outcome = m_table.rebuild(folder, m_environment.builder);
    if (outcome == ValidationTable::LoadOutcome::Loaded)
        m_prompts.information(
            this, QStringLiteral("The validation table was written to %1.")
                      .arg(QDir::toNativeSeparators(folder + ValidationTable::FileName)));
    reportValTable(outcome, folder + ValidationTable::FileName);
}

void TfrmMain::reportValTable(ValidationTable::LoadOutcome outcome, const QString& path)
{
    if (outcome != ValidationTable::LoadOutcome::Loaded)
        m_prompts.information(this, ValidationTable::message(outcome, path));
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

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        // Bubble hints off: no tool tips anywhere in the application.
        return !m_preferences.helpHints;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        // The bank tools' controls handle their own Escape.
        if (key->key() != Qt::Key_Escape || key->isAutoRepeat() || !widget ||
            widget->window() != this || widget->property("handlesEscape").toBool())
            break;
        // Escape acts on its release, and only when it was pressed here too,
        // not in a dialog it just closed.
        if (event->type() == QEvent::KeyPress) {
            m_escapePressed = true;
        } else if (m_escapePressed) {
            m_escapePressed = false;
            runCommand([this] { m_editing->escapePressed(); });
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
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
