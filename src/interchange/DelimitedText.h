// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SourceTable.h"

#include <QByteArray>
#include <QList>
#include <QString>

struct QuestionRecord;

// Comma-, semicolon- and tab-separated text as spreadsheets write it:
// UTF-8 with or without a byte-order mark, UTF-16 with one, or
// Windows-1252; quoted fields holding separators, doubled quotes and line
// breaks. Also the editor's own export columns, both ways.
class DelimitedText
{
public:
    // The cells of every record, each placed by the line it begins on.
    // separator 0 takes "," or ";", whichever the first record holds more
    // of. On failure (not text, a quote never closed) the table is empty and
    // error says why.
    static SourceTable read(const QByteArray& source, char separator, QString* error);

    // The separator the first line holds most of among these, or 0.
    static char likelySeparator(QByteArrayView head, QByteArrayView candidates);

    // Whether the bytes are text: no NUL and few other control characters.
    static bool looksLikeText(QByteArrayView head);

    // The export's header row.
    static QByteArray header(char separator);
    // One question as the export writes it; record is null for a line that
    // did not decode, whose error is then its last column.
    static void appendRecord(QByteArray& out, int number, const QuestionRecord* record,
                             const QString& error, char separator);
};
