// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "FileStamp.h"
#include "QuestionList.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// A recovery journal read back: the list as it was when the editor stopped,
// rebuilt from the file's content kept in the journal and every complete,
// valid change after it. Reading stops at the first change that is cut
// short, fails its checksum or would store what the file cannot hold; the
// changes before it are kept.
class JournalReplay
{
public:
    // Reads the journal at journalPath, kept for filePath. The record is the
    // one the file's lines are decoded into, as when the file is opened.
    static JournalReplay read(const QString& journalPath, const QString& filePath,
                              QuestionRecord& record);

    // Why nothing can be recovered (the journal cannot be read, is not one,
    // was written by an older version or its heading is damaged); empty
    // when it was read.
    QString error;
    // Where and why the reading stopped before the end ("at byte N, ...");
    // empty when every change was read.
    QString damage;
    bool cutShort() const { return !damage.isEmpty(); }
    int changes() const { return int(changeTimes.size()); }
    QList<QDateTime> changeTimes;
    // The list rows each change touched, in order of the changes.
    QList<QList<int>> changedRows;

    // The file is no longer what the changes were made against.
    bool fileChanged = false;
    QuestionList list;

    // What the changes were made against, and the complete changes as they
    // are in the journal, for a journal that goes on from here.
    FileStamp stamp;
    QByteArray contentHash;
    QByteArray content;
    QByteArray changeBytes;
};
