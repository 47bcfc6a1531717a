#include "FileCommands.h"

#include "BackupCopy.h"
#include "EditingWorkflow.h"
#include "EditorSession.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "QvedError.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopeGuard>

const QString FileCommands::OpenFilter =
    QStringLiteral("Question Files (*.qus);;Question Backup Files (*.qbk);;All Files (*)");
const QString FileCommands::SaveFilter = QStringLiteral("Question Files (*.qus);;All Files (*)");

namespace {

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath() + u'/';
}

} // namespace

FileCommands::FileCommands(EditorSession& session, EditingWorkflow& editing, QuestionGrid& grid,
                           QuestionGridModel& model, UserPrompts& prompts, Hooks hooks,
                           QWidget* window)
    : QObject(window), m_session(session), m_editing(editing), m_grid(grid), m_model(model),
      m_prompts(prompts), m_hooks(std::move(hooks)), m_window(window)
{
}

void FileCommands::showNoQuestion()
{
    m_hooks.showNoQuestion();
    ClearQuestionRecord(m_session.CurrentRecord);
}

void FileCommands::LoadQuestionFile(const QString& path)
{
    // The line decoder works on a copy of the record: the panel may still
    // show it, and it must match the panel if the load fails.
    QuestionList loaded;
    QuestionRecord record = m_session.CurrentRecord;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        try {
            loaded.FillQuestionList(path, record, DecodeMode::QuestionOnly);
        } catch (const std::bad_alloc&) {
            throw QvedError(QvedError::Kind::Other, QStringLiteral("Not enough memory to open %1.")
                                                        .arg(QDir::toNativeSeparators(path)));
        }
    }
    m_session.list = std::move(loaded);
    m_session.CurrentRecord = record;
    m_session.currentFileName = path;
    m_session.loadedFile = FileStamp::of(path);
    m_model.reload();
    m_hooks.enableFileCommands(true);
    if (m_session.list.isEmpty()) {
        // An empty file opens as an empty grid with nothing to show and
        // nothing pending.
        showNoQuestion();
    } else {
        m_grid.selectGridRow(1);
        m_grid.scrollToTop();
        m_editing.ShowQuestion(1);
    }
    m_hooks.setCaption(QStringLiteral("Quorvale Question Editor - ") + m_session.currentFileName);
}

void FileCommands::showBackupMessage()
{
    m_prompts.information(
        m_window,
        QStringLiteral("Please use the Save As option to avoid overwriting a backup file."));
}

bool FileCommands::offerToSave(const QString& question)
{
    if (!m_session.list.HasUnsavedChanges())
        return true;
    switch (m_prompts.confirm(m_window, question)) {
    case UserPrompts::Answer::Yes:
        // A save that did not happen stops the command: the list stays.
        return mnuFileSaveClick();
    case UserPrompts::Answer::No:
        return true;
    default:
        return false;
    }
}

void FileCommands::mnuFileOpenClick()
{
    if (!m_editing.ResolvePendingEdit())
        return;
    if (!offerToSave(QStringLiteral("Do you want to save your changes before opening a new file?")))
        return;

    const auto hideSaveNew = qScopeGuard([this] { m_hooks.hideSaveNew(); });
    const QString chosen = m_prompts.openFileName(m_window, m_session.lastOpenDir, OpenFilter);
    if (!chosen.isEmpty()) {
        m_session.lastOpenDir = folderOf(chosen);
        const QString backupError =
            BackupCopy::needsBackup(chosen) ? BackupCopy::makeBackup(chosen) : QString();
        if (!backupError.isEmpty()) {
            m_prompts.information(m_window, backupError);
            m_hooks.enableFileCommands(false);
        } else {
            LoadQuestionFile(QFileInfo(chosen).absoluteFilePath());
        }
    }
}

bool FileCommands::confirmOverwriteOfChangedFile(const QString& path)
{
    if (path != m_session.currentFileName || !m_session.loadedFile.changedOnDisk(path))
        return true;
    return m_prompts.confirm(m_window,
                             QStringLiteral("%1 was changed by another program since it was "
                                            "opened. Overwrite it?")
                                 .arg(QDir::toNativeSeparators(path))) == UserPrompts::Answer::Yes;
}

bool FileCommands::WriteQuestionFile(const QString& path)
{
    if (!confirmOverwriteOfChangedFile(path))
        return false;
    const WriteResult result = m_session.list.WriteQuestionFile(path);
    if (!result.ok) {
        m_prompts.information(m_window,
                              result.folderRefused
                                  ? result.message() + QStringLiteral("\r\nUse Save As to save the "
                                                                      "file in another folder.")
                                  : result.message());
        return false;
    }
    LoadQuestionFile(path);
    return true;
}

bool FileCommands::mnuFileSaveClick()
{
    if (BackupCopy::isBackupFileName(m_session.currentFileName)) {
        showBackupMessage();
        return false;
    }
    if (!m_session.list.HasUnsavedChanges())
        return true;
    if (m_session.isUntitled())
        return mnuFileSaveAsClick();
    return WriteQuestionFile(m_session.currentFileName);
}

bool FileCommands::mnuFileSaveAsClick()
{
    const QString chosen = m_prompts.saveFileName(m_window, m_session.lastSaveDir, SaveFilter);
    if (chosen.isEmpty())
        return false;
    m_session.lastSaveDir = folderOf(chosen);
    // The list keeps its name until the new file is written.
    return WriteQuestionFile(QFileInfo(chosen).absoluteFilePath());
}

void FileCommands::mnuFileNewClick()
{
    if (!m_editing.ResolvePendingEdit())
        return;
    if (!offerToSave(QStringLiteral("Do you want to save your changes before exiting?")))
        return;
    m_session.list.clear();
    m_model.reload();
    m_session.currentFileName = EditorSession::Untitled;
    m_session.loadedFile = {};
    m_editing.ClearQuestionPanel();
    ClearQuestionRecord(m_session.CurrentRecord);
    m_hooks.startNewEntry();
    m_hooks.enableFileCommands(true);
    m_hooks.setCaption(QStringLiteral("Quorvale Question Editor - [Untitled]"));
}

bool FileCommands::FormCloseQuery()
{
    if (m_grid.rowCountWithHeader() < 3)
        return true;
    bool canClose = m_editing.ResolvePendingEdit();
    if (!m_session.list.HasUnsavedChanges())
        return canClose;
    switch (m_prompts.confirm(m_window,
                              QStringLiteral("Do you want to save your changes before exiting?"))) {
    case UserPrompts::Answer::Yes:
        return mnuFileSaveClick() && canClose;
    case UserPrompts::Answer::No:
        return canClose;
    default:
        return false;
    }
}
