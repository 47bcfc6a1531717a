// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportRow.h"
#include "SourceTable.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class QuestionList;
struct QuestionRecord;

// What a source gave: its questions, the pieces that could not become one
// ("PLACE: reason"), or why nothing could be read at all.
struct FormatReadResult
{
    QList<ImportRow> rows;
    QStringList problems;
    QString error;        // the whole source was refused; rows and problems are empty
    bool tabular = false; // table holds the cells, for the preview to remap
    SourceTable table;
};

// One file format, both ways. Readers take the source's bytes, bounded in
// size by the caller; writers give the bytes of the whole file, which the
// caller writes through the safe writer.
class QuestionFormat
{
public:
    virtual ~QuestionFormat() = default;

    virtual QString name() const = 0;         // "csv", as --format names it
    virtual QString title() const = 0;        // "CSV (comma-separated)", for file dialogs
    virtual QStringList suffixes() const = 0; // "csv"
    virtual bool canRead() const { return true; }
    virtual bool canWrite() const { return true; }

    // True when the first bytes look like this format, whatever the name says.
    virtual bool recognises(const QByteArray& head) const = 0;

    virtual FormatReadResult read(const QByteArray& source) const = 0;

    // The file's bytes; on failure empty, with the reason in error. notes lists
    // each question the format could not hold whole (Kahoot's limits).
    virtual QByteArray write(const QList<QuestionRecord>& questions, QString* error,
                             QStringList* notes) const = 0;

    // A question file's every line, each decoded into a cleared record as
    // the tool's export reads it. A line that does not decode is left out and
    // named in notes ("line 5: ..."), unless the format gives it a row of its
    // own (json and csv carry its message).
    virtual QByteArray writeLines(const QuestionList& list, QString* error,
                                  QStringList* notes) const;
};
