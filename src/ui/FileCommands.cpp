#include "FileCommands.h"

#include "BackupCopy.h"
#include "EditingWorkflow.h"
#include "EditorPreferences.h"
#include "QuestionDocument.h"
#include "QuestionGrid.h"
#include "QvedError.h"
#include "RecoveryJournal.h"
#include "StoredTexts.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QScopeGuard>
#include <QUndoStack>
#include <QtConcurrent>
#include <utility>

const QString FileCommands::OpenFilter =
    QStringLiteral("Question Files (*.qus);;Question Backup Files (*.qbk);;All Files (*)");
const QString FileCommands::SaveFilter = QStringLiteral("Question Files (*.qus);;All Files (*)");

namespace {

QString folderOf(const QString& path)
{
    return QFileInfo(path).absolutePath() + u'/';
}

} // namespace

FileCommands::FileCommands(QuestionDocument& document, QUndoStack& history,
                           EditorPreferences& preferences, EditingWorkflow& editing,
                           QuestionGrid& grid, UserPrompts& prompts, QWidget* window)
    : QObject(window), m_document(document), m_history(history), m_preferences(preferences),
      m_editing(editing), m_grid(grid), m_prompts(prompts), m_window(window)
{
}

QuestionList FileCommands::readList(const QString& path, QuestionRecord& record)
{
    QuestionList loaded;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
    try {
        loaded.FillQuestionList(path, record, DecodeMode::QuestionOnly);
    } catch (const std::bad_alloc&) {
        throw QvedError(
            QvedError::Kind::Other,
            QStringLiteral("Not enough memory to open %1.").arg(QDir::toNativeSeparators(path)));
    }
    return loaded;
}

void FileCommands::install(QuestionList list, const QuestionRecord& record, const QString& path,
                           bool recovered)
{
    if (std::exchange(m_journalDeclined, false))
        m_document.discardJournal();
    m_document.replace(std::move(list), path, recovered);
    m_editing.setCurrentRecord(record);
    emit fileCommandsEnabled(true);
    if (m_document.list().isEmpty()) {
        // An empty file opens as an empty grid with nothing to show and
        // nothing pending.
        m_editing.showNoQuestion();
    } else {
        m_grid.selectGridRow(1);
        m_grid.scrollToTop();
        m_editing.ShowQuestion(1);
    }
}

void FileCommands::LoadQuestionFile(const QString& path)
{
    // The line decoder works on a copy of the record: the panel may still
    // show it, and it must match the panel if the load fails.
    QuestionRecord record = m_editing.currentRecord();
    QuestionList loaded = readList(path, record);
    m_history.clear();
    install(std::move(loaded), record, path, false);
    reportLongTexts();
}

void FileCommands::reportLongTexts()
{
    // Every line is read: in blocks on every core, so a large file opens
    // nearly as fast as without this count.
    constexpr int BlockSize = 1 << 16;
    const QuestionList& list = m_document.list();
    QList<int> blocks;
    for (int first = 0; first < list.count(); first += BlockSize)
        blocks << first;
    const int count = QtConcurrent::blockingMappedReduced<int>(
        blocks,
        [&list](int first) {
            return StoredTexts::countOverlong(list, first, first + BlockSize - 1);
        },
        [](int& total, int part) { total += part; });
    if (count == 0)
        return;
    m_prompts.information(
        m_window,
        (count == 1 ? QStringLiteral("1 text of this file is")
                    : QStringLiteral("%1 texts of this file are").arg(count)) +
            QStringLiteral(" longer than the editor keeps: 90 characters for the question and "
                           "each answer (as much as the game reads), 25 for the reference. "
                           "Tools > Check File lists them. Storing an edit of such a question "
                           "cuts them, after asking."));
}

bool FileCommands::recover(const QString& path)
{
    QuestionRecord record = m_editing.currentRecord();
    QuestionList loaded = readList(path, record);
    try {
        RecoveryJournal::replay(path, loaded);
    } catch (const QvedError& error) {
        const QString aside = RecoveryJournal::setAside(path);
        m_prompts.information(
            m_window, QStringLiteral("The unsaved changes of %1 cannot be recovered: their "
                                     "journal is damaged (%2). The file opens as it was saved.")
                              .arg(QDir::toNativeSeparators(path), error.message()) +
                          (aside.isEmpty() ? QString()
                                           : QStringLiteral("\r\nThe journal could not be set "
                                                            "aside: %1")
                                                 .arg(aside)));
        return false;
    }
    m_history.clear();
    install(std::move(loaded), record, path, true);
    // Nothing on the stack leads back to the file as saved.
    m_history.resetClean();
    reportLongTexts();
    return true;
}

void FileCommands::OpenQuestionFile(const QString& path)
{
    const RecoveryJournal::Found journal = RecoveryJournal::find(path);
    if (journal.exists) {
        const QString question =
            QStringLiteral("%1 has unsaved changes from %2 that were not saved.")
                .arg(QDir::toNativeSeparators(path),
                     QLocale().toString(journal.lastChange, QLocale::ShortFormat)) +
            (journal.fileChanged ? QStringLiteral(" The file has been changed since then.")
                                 : QString()) +
            QStringLiteral(" Recover them?");
        switch (m_prompts.confirm(m_window, question)) {
        case UserPrompts::Answer::Yes:
            if (recover(path))
                return;
            break;
        case UserPrompts::Answer::No: {
            const QString failure = RecoveryJournal::setAside(path);
            if (!failure.isEmpty())
                m_prompts.information(m_window,
                                      QStringLiteral("The journal of unsaved changes of %1 "
                                                     "could not be set aside: %2")
                                          .arg(QDir::toNativeSeparators(path), failure));
            break;
        }
        default:
            return;
        }
    }
    LoadQuestionFile(path);
}

void FileCommands::showBackupMessage()
{
    m_prompts.information(
        m_window,
        QStringLiteral("Please use the Save As option to avoid overwriting a backup file."));
}

bool FileCommands::offerToSave(const QString& question)
{
    if (!m_document.isModified())
        return true;
    switch (m_prompts.confirm(m_window, question)) {
    case UserPrompts::Answer::Yes:
        // A save that did not happen stops the command: the list stays.
        return mnuFileSaveClick();
    case UserPrompts::Answer::No:
        m_journalDeclined = true;
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

    const auto hideSaveNew = qScopeGuard([this] {
        m_editing.hideSaveNew();
        m_journalDeclined = false; // an open that stopped keeps the list and its journal
    });
    const QString chosen = m_prompts.openFileName(m_window, m_preferences.lastOpenDir, OpenFilter);
    if (!chosen.isEmpty()) {
        m_preferences.lastOpenDir = folderOf(chosen);
        const QString backupError =
            BackupCopy::needsBackup(chosen) ? BackupCopy::makeBackup(chosen) : QString();
        if (!backupError.isEmpty()) {
            m_prompts.information(m_window, backupError);
            emit fileCommandsEnabled(false);
        } else {
            const QString path = QFileInfo(chosen).absoluteFilePath();
            // Opening the same file again: the changes just declined are not
            // offered back.
            if (m_journalDeclined && path == m_document.fileName())
                m_document.discardJournal();
            OpenQuestionFile(path);
        }
    }
}

bool FileCommands::confirmOverwriteOfChangedFile(const QString& path)
{
    if (path != m_document.fileName() || !m_document.loadedFile().changedOnDisk(path))
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
    const WriteResult result = m_document.list().WriteQuestionFile(path);
    if (!result.ok) {
        m_prompts.information(m_window,
                              result.folderRefused
                                  ? result.message() + QStringLiteral("\r\nUse Save As to save the "
                                                                      "file in another folder.")
                                  : result.message());
        return false;
    }
    // The history stays, unless rows marked deleted left the file: its
    // steps name rows by their place in the list.
    bool rowsDropped = false;
    for (int index = 0; index < m_document.list().count() && !rowsDropped; ++index)
        rowsDropped = m_document.list().isDeleted(index);
    m_document.discardJournal();
    QuestionRecord record = m_editing.currentRecord();
    QuestionList loaded;
    try {
        loaded = readList(path, record);
    } catch (const QvedError& error) {
        // Every byte is on disk; only the list could not be read back. The
        // window lets go of it rather than keep it under the old name.
        m_prompts.information(m_window, QStringLiteral("%1 was saved, but it could not be read "
                                                       "back: %2\r\nOpen it again to go on.")
                                            .arg(QDir::toNativeSeparators(path), error.message()));
        m_document.clear();
        m_history.clear();
        m_editing.showNoQuestion();
        emit fileCommandsEnabled(false);
        return true;
    }
    if (rowsDropped)
        m_history.clear();
    install(std::move(loaded), record, path, false);
    m_history.setClean();
    return true;
}

bool FileCommands::mnuFileSaveClick()
{
    if (BackupCopy::isBackupFileName(m_document.fileName())) {
        showBackupMessage();
        return false;
    }
    if (!m_document.isModified())
        return true;
    if (m_document.isUntitled())
        return mnuFileSaveAsClick();
    return WriteQuestionFile(m_document.fileName());
}

bool FileCommands::mnuFileSaveAsClick()
{
    const QString chosen = m_prompts.saveFileName(m_window, m_preferences.lastSaveDir, SaveFilter);
    if (chosen.isEmpty())
        return false;
    m_preferences.lastSaveDir = folderOf(chosen);
    // The list keeps its name until the new file is written.
    return WriteQuestionFile(QFileInfo(chosen).absoluteFilePath());
}

void FileCommands::mnuFileNewClick()
{
    if (!m_editing.ResolvePendingEdit())
        return;
    if (!offerToSave(QStringLiteral("Do you want to save your changes before exiting?")))
        return;
    if (std::exchange(m_journalDeclined, false))
        m_document.discardJournal();
    m_document.clear();
    m_history.clear();
    m_editing.ClearQuestionPanel();
    m_editing.startNewEntry();
    emit fileCommandsEnabled(true);
}

bool FileCommands::FormCloseQuery()
{
    // However short the list, unsaved work is never closed without asking.
    if (!m_document.isModified() && !m_editing.IsQuestionChanged())
        return true;
    bool canClose = m_editing.ResolvePendingEdit();
    if (!m_document.isModified())
        return canClose;
    switch (m_prompts.confirm(m_window,
                              QStringLiteral("Do you want to save your changes before exiting?"))) {
    case UserPrompts::Answer::Yes:
        return mnuFileSaveClick() && canClose;
    case UserPrompts::Answer::No:
        if (canClose)
            m_document.discardJournal();
        return canClose;
    default:
        return false;
    }
}
