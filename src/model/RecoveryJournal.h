// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "FileStamp.h"
#include "JournalReplay.h"
#include "QuestionList.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The changes made to a question file since it was last saved, written and
// flushed to disk one change at a time, so that work survives a crash.
//
// A journal begins with a heading: the file's path, its size, time and
// content hash as it was read or last saved, and that content itself, so the
// changes can be replayed even after someone else changed the file. Each
// change follows as one frame carrying its time, length and CRC-32, holding
// one record per changed row: the row's line, question cell and marks as
// they became, a row appended or the last row removed. Replaying stops at
// the first frame that is incomplete or fails its check.
//
// The journal is created whole, heading and all, through the safe writer;
// later changes are appended to it and never create it. A change that
// cannot be written (a full disk) is kept in memory, the journal is cut back
// to its last complete change, and the next change tries again.
class RecoveryJournal
{
public:
    // Where the journals live (readable by their owner only), and the one of
    // a file: named after a hash of the file's canonical path, so two files
    // never share a journal.
    static QString folder();
    static QString journalPathOf(const QString& filePath);

    // Journals the changes made to the content read from the file from now
    // on; the journal itself is created by the first change.
    void attach(const QString& filePath, const QByteArray& content, const FileStamp& stamp);
    // Goes on with a replayed journal of the file: its complete changes are
    // written again at once as a journal of their own, which the next
    // changes follow. An empty text when that was written; otherwise why not.
    QString resume(const QString& filePath, const JournalReplay& replayed);
    // Journals nothing (an untitled list).
    void detach();
    // Removes the journal; the next change begins a new one over the same
    // content.
    void discard();

    // Journals one change. An empty text when it was written or when writing
    // was already failing; otherwise why the changes are from now on not
    // kept. Changes not written are tried again with the next one.
    QString append(QByteArrayView records);
    bool isActive() const { return !m_filePath.isEmpty(); }
    // False while changes made are not on disk.
    bool isKeeping() const { return m_keeping; }

    static QByteArray rowRecord(int index, const QuestionList::SavedRow& row);
    static QByteArray marksRecord(int index, quint8 marks);
    static QByteArray appendRecord() { return QByteArrayLiteral("A\n"); }
    static QByteArray removeRecord() { return QByteArrayLiteral("X\n"); }

    // The bytes of a journal: its heading over the content, and one change.
    static QByteArray heading(const QString& filePath, const FileStamp& stamp,
                              const QByteArray& contentHash, const QByteArray& content);
    static QByteArray frame(const QDateTime& time, QByteArrayView records);
    static QByteArray contentHash(QByteArrayView content);

    // What a journal says about itself, read from its heading.
    struct Found
    {
        bool exists = false;
        QDateTime lastChange;
        bool fileChanged = false; // the file is not what the changes were made against
    };
    static Found find(const QString& filePath);
    // Reads the journal of the file; see JournalReplay.
    static JournalReplay replay(const QString& filePath, QuestionRecord& record);
    // Moves the journal aside as a dated copy; empty on success, else why
    // not. keptAs receives the copy's path.
    static QString setAside(const QString& filePath, QString* keptAs = nullptr);

private:
    QString write();

    QString m_filePath; // empty while nothing is journalled
    QString m_journalPath;
    QByteArray m_content;
    FileStamp m_stamp;
    QByteArray m_hash;    // of m_content, taken when the journal is first written
    QByteArray m_heading; // made with the hash
    QByteArray m_changes; // every change since the journal began
    qint64 m_onDisk = -1; // bytes of the journal known complete on disk; -1: none yet
    bool m_keeping = true;
};
