// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "FileStamp.h"
#include "QuestionList.h"
#include "RecoveryJournal.h"

#include <QObject>
#include <vector>

// The open question file: its list, its name and whether it has unsaved
// changes. Every change to the list goes through here, is announced to the
// views and is journalled for recovery after a crash.
class QuestionDocument : public QObject
{
    Q_OBJECT

public:
    static inline const QString Untitled = QStringLiteral("[Untitled]");

    explicit QuestionDocument(QObject* parent = nullptr);

    const QuestionList& list() const { return m_list; }
    const QString& fileName() const { return m_fileName; }
    bool isUntitled() const { return m_fileName == Untitled; }
    // The file as it was when last read; a stamp never taken when untitled.
    const FileStamp& loadedFile() const { return m_loadedFile; }
    bool isModified() const { return m_modified; }
    // Another editor holds the file: it is shown, never changed or journalled.
    bool isReadOnly() const { return m_readOnly; }

    // The list read from the file replaces the open one. readOnly: another
    // editor holds the file, so nothing is journalled.
    void replace(QuestionList list, const QString& fileName, bool readOnly = false);
    // The list of a replayed journal replaces the open one, unsaved, under
    // the file's name, or untitled when the file changed since the changes
    // were made; either way the journal of journalFile goes on with it.
    void recover(JournalReplay replayed, const QString& journalFile, bool untitled);
    // An empty untitled list.
    void clear();
    // False when the changes were saved or all taken back; the journal then
    // goes, as it holds nothing the file does not.
    void setModified(bool modified);
    // Forgets the journal of changes the author chose not to keep.
    void discardJournal();
    // False while changes are made that are not kept for recovery.
    bool isJournalKeeping() const { return m_journal.isKeeping(); }

    // The changes, each announced and journalled.
    void storeCommittedLine(int index, QByteArrayView line, QByteArrayView question);
    // A new last row holding a committed line, or a row as it was saved;
    // returns its index.
    int appendRow(QByteArrayView line, QByteArrayView question);
    int appendRow(const QuestionList::SavedRow& row);
    void removeLastRow();
    void restoreRow(int index, const QuestionList::SavedRow& row);
    // Many rows at once, announced and journalled as one change; indexes
    // ascending.
    struct CommittedLine
    {
        int index = 0;
        QByteArray line;
        QByteArray question;
    };
    void storeCommittedLines(const std::vector<CommittedLine>& lines);
    // New last rows holding committed lines, and taking the last rows away,
    // each announced and journalled as one change.
    struct NewLine
    {
        QByteArray line;
        QByteArray question;
    };
    void appendRows(const std::vector<NewLine>& lines);
    void removeLastRows(int count);
    void restoreRows(const std::vector<std::pair<int, QuestionList::SavedRow>>& rows);
    // Rows first.. (list indexes) get these marks.
    void setMarks(int first, const std::vector<quint8>& marks);
    void toggleDeleteMarks(int firstGridRow, int lastGridRow);

signals:
    void fileNameChanged(const QString& fileName);
    void modifiedChanged(bool modified);
    // Rows first..last (list indexes) changed; rows may also have been added
    // to or removed from the end of the list.
    void rowsChanged(int first, int last);
    void listReset();
    // The journal could not be written; editing goes on, and each change
    // tries again.
    void journalFailed(const QString& message);
    void journalKeepingChanged(bool keeping);

private:
    void changed(int first, int last, QByteArrayView records);
    void setFileName(const QString& fileName);
    void setModifiedState(bool modified);
    // Says what the journal's last write did.
    void journalWritten(const QString& failure, bool wasKeeping);

    QuestionList m_list;
    QString m_fileName = Untitled;
    FileStamp m_loadedFile;
    bool m_modified = false;
    bool m_readOnly = false;
    RecoveryJournal m_journal;
};
