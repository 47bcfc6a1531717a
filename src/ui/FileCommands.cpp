#include "FileCommands.h"

#include "BackupCopy.h"
#include "EditingWorkflow.h"
#include "EditorSession.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "QvedError.h"
#include "UserPrompts.h"

#include <QFileInfo>

const QString FileCommands::OpenFilter = QStringLiteral(
    "Question Files (*.qus);;Question Backup Files (*.qbk);;All Files (*.*) (*)");
const QString FileCommands::SaveFilter =
    QStringLiteral("Question Files (*.qus);;All Files (*.*) (*)");

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

void FileCommands::LoadQuestionFile()
{
    // A line that did not decode still leaves the file's lines in the list,
    // with the rows before it filled. The panel still shows a question of
    // the list that was replaced: it must not be committed over a line of
    // this one.
    const auto listReplaced = [this] {
        m_model.reload();
        showNoQuestion();
    };
    try {
        m_session.list.FillQuestionList(m_session.currentFileName, m_session.CurrentRecord,
                                        DecodeMode::QuestionOnly);
    } catch (const QvedError& error) {
        // A file that could not be read left the list, the grid and the
        // panel as they were.
        if (error.kind() != QvedError::Kind::FileOpen)
            listReplaced();
        throw;
    } catch (...) {
        listReplaced();
        throw;
    }
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
        if (BackupCopy::isBackupFileName(m_session.currentFileName))
            showBackupMessage();
        else
            mnuFileSaveClick();
        return true;
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

    const QString chosen = m_prompts.openFileName(m_window, m_session.lastOpenDir, OpenFilter);
    if (!chosen.isEmpty()) {
        m_session.lastOpenDir = folderOf(chosen);
        if (BackupCopy::needsBackup(chosen) && !BackupCopy::makeBackup(chosen)) {
            m_prompts.information(
                m_window, QStringLiteral("Unable to make a backup copy of this file. A previous "
                                         "backup copy may be set to read only. You can check "
                                         "this in Explorer."));
            m_hooks.enableFileCommands(false);
        } else {
            const QString previous = m_session.currentFileName;
            m_session.currentFileName = QFileInfo(chosen).absoluteFilePath();
            try {
                LoadQuestionFile();
            } catch (const QvedError& error) {
                // A file that could not be read leaves the previous file's
                // lines in the list; they must never be saved under the new name.
                if (error.kind() == QvedError::Kind::FileOpen)
                    m_session.currentFileName = previous;
                m_hooks.hideSaveNew();
                throw;
            }
        }
    }
    m_hooks.hideSaveNew();
}

bool FileCommands::WriteQuestionFile()
{
    const WriteResult result = m_session.list.WriteQuestionFile(m_session.currentFileName);
    if (!result.ok)
        m_prompts.information(m_window, result.message());
    return result.ok;
}

void FileCommands::mnuFileSaveClick()
{
    if (BackupCopy::isBackupFileName(m_session.currentFileName)) {
        showBackupMessage();
        return;
    }
    if (!m_session.list.HasUnsavedChanges())
        return;
    if (m_session.isUntitled()) {
        mnuFileSaveAsClick();
        return;
    }
    if (WriteQuestionFile())
        LoadQuestionFile();
}

void FileCommands::mnuFileSaveAsClick()
{
    const QString chosen = m_prompts.saveFileName(m_window, m_session.lastSaveDir, SaveFilter);
    if (chosen.isEmpty())
        return;
    m_session.lastSaveDir = folderOf(chosen);
    m_session.currentFileName = QFileInfo(chosen).absoluteFilePath();
    if (WriteQuestionFile())
        LoadQuestionFile();
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
        if (BackupCopy::isBackupFileName(m_session.currentFileName)) {
            showBackupMessage();
            return false;
        }
        mnuFileSaveClick();
        return canClose;
    case UserPrompts::Answer::No:
        return canClose;
    default:
        return false;
    }
}
