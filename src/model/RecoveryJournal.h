#pragma once

#include "FileStamp.h"
#include "QuestionList.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// The changes made to a question file since it was last saved, appended and
// flushed to disk one change at a time, so that work survives a crash.
//
// A journal begins with the file's path, size and modification time as they
// were when the list was read, then holds one record per changed row: the
// row's line, question cell and marks as they became, a row appended or the
// last row removed. Replaying the records over the file as it was read gives
// the list as it was when the editor stopped.
class RecoveryJournal
{
public:
    // Where the journals live, and the one of a file: named after a hash of
    // the file's canonical path, so two files never share a journal.
    static QString folder();
    static QString journalPathOf(const QString& filePath);

    // Journals the changes of this file from now on; the journal itself is
    // created by the first change. continuing: a replayed journal gets the
    // next changes after its own.
    void attach(const QString& filePath, const FileStamp& stamp, bool continuing = false);
    // Journals nothing (an untitled list).
    void detach();
    // Removes the journal; the next change begins a new one.
    void discard();

    // Appends one change and flushes it to disk. An empty text when it was
    // written; otherwise why not, and the journal is dropped until the file
    // is attached again.
    QString append(QByteArrayView records);
    bool isActive() const { return !m_journalPath.isEmpty(); }

    static QByteArray rowRecord(int index, const QuestionList::SavedRow& row);
    static QByteArray marksRecord(int index, quint8 marks);
    static QByteArray appendRecord() { return QByteArrayLiteral("A\n"); }
    static QByteArray removeRecord() { return QByteArrayLiteral("X\n"); }

    // What a journal says about itself, read from its beginning.
    struct Found
    {
        bool exists = false;
        QDateTime lastChange;
        bool fileChanged = false; // the file is not as it was when the journal began
    };
    static Found find(const QString& filePath);
    // Applies the journal of the file to the list read from it. A journal
    // that does not read as one throws a QvedError saying what is wrong; the
    // list is then partly changed and must be read again.
    static void replay(const QString& filePath, QuestionList& list);
    // Moves the journal aside as a dated copy; empty on success, else why not.
    static QString setAside(const QString& filePath);

private:
    QString m_journalPath; // empty while nothing is journalled
    FileStamp m_stamp;
    QString m_filePath;
    bool m_begun = false;
};
