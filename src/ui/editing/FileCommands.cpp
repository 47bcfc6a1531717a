// SPDX-License-Identifier: GPL-2.0-or-later
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
#include <QThread>
#include <QUndoStack>
#include <QtConcurrent>
#include <algorithm>
#include <utility>

const QString FileCommands::OpenFilter =
    tr("Question Files (*.qus);;Question Backup Files (*.qbk);;All Files (*)");
const QString FileCommands::SaveFilter = tr("Question Files (*.qus);;All Files (*)");

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
        // On every core: the author waits for the whole file.
        loaded.FillQuestionList(path, record, DecodeMode::QuestionOnly,
                                std::max(1, QThread::idealThreadCount()));
    } catch (const std::bad_alloc&) {
        throw QvedError(QvedError::Kind::Other,
                        tr("Not enough memory to open %1.").arg(QDir::toNativeSeparators(path)));
    }
    return loaded;
}

void FileCommands::install(QuestionList list, const QuestionRecord& record, const QString& path,
                           bool readOnly)
{
    if (std::exchange(m_journalDeclined, false))
        m_document.discardJournal();
    m_document.replace(std::move(list), path, readOnly);
    showInstalled(record);
}

void FileCommands::showInstalled(const QuestionRecord& record)
{
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
    QuestionRecord record = m_editing.currentRecord();
    QuestionList loaded = readList(path, record);
    m_history.clear();
    install(std::move(loaded), record, path);
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
        (count == 1 ? tr("1 text of this file is") : tr("%1 texts of this file are").arg(count)) +
            tr(" longer than the editor keeps: 90 characters for the question and "
               "each answer (as much as the game reads), 25 for the reference. "
               "Tools > Check File lists them. Storing an edit of such a question "
               "cuts them, after asking."));
}

bool FileCommands::recover(const QString& path)
{
    QuestionRecord record = m_editing.currentRecord();
    JournalReplay replayed;
    {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const auto restoreCursor = qScopeGuard([] { QApplication::restoreOverrideCursor(); });
        replayed = RecoveryJournal::replay(path, record);
    }
    const QString file = QDir::toNativeSeparators(path);
    // A journal that did not come back whole is kept for whoever wants to
    // look at it; the recovered changes go on in a journal of their own.
    QString kept;
    if (!replayed.error.isEmpty() || replayed.cutShort()) {
        QString keptAs;
        const QString failure = RecoveryJournal::setAside(path, &keptAs);
        kept = failure.isEmpty()
                   ? tr(" The journal was kept as %1.").arg(QDir::toNativeSeparators(keptAs))
                   : tr(" The journal could not be kept apart: %1.").arg(failure);
    }
    if (!replayed.error.isEmpty()) {
        m_prompts.information(m_window, tr("The unsaved changes of %1 cannot be recovered: %2. "
                                           "The file opens as it was saved.")
                                                .arg(file, replayed.error) +
                                            kept);
        return false;
    }
    if (replayed.changes() == 0) {
        m_prompts.information(m_window, tr("None of the unsaved changes of %1 could be "
                                           "recovered: their journal is damaged from its first "
                                           "change (%2). The file opens as it was saved.")
                                                .arg(file, replayed.damage) +
                                            kept);
        return false;
    }
    const int changes = replayed.changes();
    const bool cutShort = replayed.cutShort();
    const QString damage = replayed.damage;
    const bool untitled = replayed.fileChanged;
    m_history.clear();
    if (std::exchange(m_journalDeclined, false))
        m_document.discardJournal();
    m_document.recover(std::move(replayed), path, untitled);
    showInstalled(record);
    // Nothing on the stack leads back to the file as saved.
    m_history.resetClean();

    QString message =
        changes == 1
            ? tr("1 unsaved change of %1 came back.").arg(file)
            : tr("%1 unsaved changes of %2 came back.").arg(QString::number(changes), file);
    if (cutShort)
        message += tr(" The end of their journal was cut short (%1): any change "
                      "after that is lost.")
                       .arg(damage) +
                   kept;
    if (untitled)
        message += tr(" %1 was changed since those changes were made, so they were "
                      "put back over the file as it was then, in a new untitled "
                      "list: save it under a name of your choice.")
                       .arg(file);
    m_prompts.information(m_window, message);
    reportLongTexts();
    return true;
}

void FileCommands::OpenQuestionFile(const QString& path)
{
    // Reopening the file held here keeps its lock.
    const bool keepsLock = m_lock.holds(path);
    EditorLock lock;
    bool readOnly = false;
    if (!keepsLock && lock.acquire(path) == EditorLock::Outcome::HeldByOther) {
        if (m_prompts.offerReadOnly(
                m_window, tr("%1 is already open for editing in %2.\r\nOpen it "
                             "read-only?")
                              .arg(QDir::toNativeSeparators(path), lock.holder().text())) !=
            UserPrompts::Answer::Yes)
            return;
        readOnly = true;
    }

    // A journal is offered only to the editor that holds the file: another
    // live editor's journal is its own work in progress.
    bool recovering = false;
    const RecoveryJournal::Found journal =
        readOnly ? RecoveryJournal::Found{} : RecoveryJournal::find(path);
    if (journal.exists) {
        const QString question =
            tr("%1 has unsaved changes from %2 that were not saved.")
                .arg(QDir::toNativeSeparators(path),
                     QLocale().toString(journal.lastChange, QLocale::ShortFormat)) +
            (journal.fileChanged ? tr(" The file has been changed since then: they "
                                      "would come back as a new untitled list.")
                                 : QString()) +
            tr(" Recover them?");
        switch (m_prompts.confirm(m_window, question)) {
        case UserPrompts::Answer::Yes:
            recovering = true;
            break;
        case UserPrompts::Answer::No: {
            const QString failure = RecoveryJournal::setAside(path);
            if (!failure.isEmpty())
                m_prompts.information(m_window, tr("The journal of unsaved changes of %1 "
                                                   "could not be set aside: %2")
                                                    .arg(QDir::toNativeSeparators(path), failure));
            break;
        }
        default:
            return;
        }
    }

    if (recovering) {
        // The recovered list is this editor's from the first change on.
        EditorLock previous;
        if (!keepsLock) {
            previous = std::move(m_lock);
            m_lock = std::move(lock);
        }
        if (recover(path))
            return;
        if (!keepsLock) {
            lock = std::move(m_lock);
            m_lock = std::move(previous);
        }
    }
    // The line decoder works on a copy of the record: the panel may still
    // show it, and it must match the panel if the load fails.
    QuestionRecord record = m_editing.currentRecord();
    QuestionList loaded = readList(path, record);
    // Only a file read completely replaces its backup, and with the very
    // bytes read. A read-only window leaves the other editor's files alone.
    if (!readOnly && BackupCopy::needsBackup(path)) {
        const QString failure = BackupCopy::makeBackup(path, loaded.content());
        if (!failure.isEmpty()) {
            m_prompts.information(m_window, failure);
            emit fileCommandsEnabled(false);
            return;
        }
    }
    m_history.clear();
    if (!keepsLock)
        m_lock = std::move(lock); // the file shown before is let go
    install(std::move(loaded), record, path, readOnly);
    reportLongTexts();
}

void FileCommands::openCommandLineFile(const QStringList& arguments)
{
    if (arguments.isEmpty())
        return;
    const QString& file = arguments.first();
    if (QFileInfo(file).isFile()) {
        OpenQuestionFile(file);
        return;
    }
    m_prompts.information(m_window, tr("The question file specified on the command line could "
                                       "not be found. Please re-check and try again or load it "
                                       "manually from the menu or toolbar."));
}

void FileCommands::showBackupMessage()
{
    m_prompts.information(m_window,
                          tr("Please use the Save As option to avoid overwriting a backup file."));
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
    openChosen([this] { return m_prompts.openFileName(m_window, openFolder(), OpenFilter); });
}

void FileCommands::openFile(const QString& path)
{
    openChosen([&path] { return path; });
}

QString FileCommands::openFolder() const
{
    if (!m_document.isUntitled() && QFileInfo(folderOf(m_document.fileName())).isDir())
        return folderOf(m_document.fileName());
    // The settings of a first run name the program's folder.
    const QString& last = m_preferences.lastOpenDir;
    const QString& program = m_preferences.programFolder;
    if (!last.isEmpty() && QFileInfo(last).isDir() &&
        (program.isEmpty() || QDir(last) != QDir(program)))
        return last;
    return QDir::homePath() + u'/';
}

void FileCommands::openChosen(const std::function<QString()>& choose)
{
    if (!m_editing.ResolvePendingEdit())
        return;
    if (!offerToSave(tr("Do you want to save your changes before opening a new file?")))
        return;

    const auto hideSaveNew = qScopeGuard([this] {
        m_editing.hideSaveNew();
        m_journalDeclined = false; // an open that stopped keeps the list and its journal
    });
    const QString chosen = choose();
    if (!chosen.isEmpty()) {
        m_preferences.lastOpenDir = folderOf(chosen);
        const QString path = QFileInfo(chosen).absoluteFilePath();
        // Opening the same file again: the changes just declined are not
        // offered back.
        if (m_journalDeclined && path == m_document.fileName())
            m_document.discardJournal();
        OpenQuestionFile(path);
    }
}

bool FileCommands::confirmOverwriteOfChangedFile(const QString& path)
{
    if (path != m_document.fileName() || !m_document.loadedFile().changedOnDisk(path))
        return true;
    return m_prompts.confirm(m_window, tr("%1 was changed by another program since it was "
                                          "opened. Overwrite it?")
                                           .arg(QDir::toNativeSeparators(path))) ==
           UserPrompts::Answer::Yes;
}

bool FileCommands::WriteQuestionFile(const QString& path, EditorLock* newLock)
{
    if (!confirmOverwriteOfChangedFile(path))
        return false;
    const WriteResult result = m_document.list().WriteQuestionFile(path);
    if (!result.ok) {
        m_prompts.information(m_window, result.folderRefused
                                            ? result.message() + tr("\r\nUse Save As to save the "
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
        m_prompts.information(m_window, tr("%1 was saved, but it could not be read "
                                           "back: %2\r\nOpen it again to go on.")
                                            .arg(QDir::toNativeSeparators(path), error.message()));
        m_document.clear();
        m_lock.release();
        m_history.clear();
        m_editing.showNoQuestion();
        emit fileCommandsEnabled(false);
        return true;
    }
    if (rowsDropped)
        m_history.clear();
    if (newLock)
        m_lock = std::move(*newLock);
    install(std::move(loaded), record, path);
    m_history.setClean();
    return true;
}

bool FileCommands::mnuFileSaveClick()
{
    // Read only: the file is another editor's to write.
    if (m_document.isReadOnly())
        return false;
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
    // The list keeps its name until the new file is written, and is never
    // written over a file another editor holds.
    const QString path = QFileInfo(chosen).absoluteFilePath();
    if (m_lock.holds(path))
        return WriteQuestionFile(path);
    EditorLock lock;
    if (lock.acquire(path) == EditorLock::Outcome::HeldByOther) {
        m_prompts.information(m_window,
                              tr("%1 is open for editing in %2. Save the list under "
                                 "another name.")
                                  .arg(QDir::toNativeSeparators(path), lock.holder().text()));
        return false;
    }
    return WriteQuestionFile(path, &lock);
}

void FileCommands::mnuFileNewClick()
{
    if (!m_editing.ResolvePendingEdit())
        return;
    if (!offerToSave(tr("Do you want to save your changes before exiting?")))
        return;
    if (std::exchange(m_journalDeclined, false))
        m_document.discardJournal();
    m_document.clear();
    m_lock.release();
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
    switch (m_prompts.confirm(m_window, tr("Do you want to save your changes before exiting?"))) {
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
