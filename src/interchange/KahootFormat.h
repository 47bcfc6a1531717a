// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// Kahoot!'s quiz spreadsheet: a heading in rows 1 to 6, the column names in
// row 7, then one question a row from row 8: the question in B, the four
// answers in C to F, the time limit in seconds in G and the number of the
// right answer (1-4) in H. References, books and levels have no place in it.
//
// Kahoot! takes questions of up to 120 characters and answers of up to 75.
// A longer text is written whole, never cut, and named in the notes: the
// author shortens it where Kahoot! asks, and no question goes missing.
class KahootFormat : public QuestionFormat
{
public:
    static constexpr int MaxQuestion = 120;
    static constexpr int MaxAnswer = 75;
    static constexpr int TimeLimit = 20; // seconds
    static constexpr int HeaderRow = 7;  // as the sheet numbers rows
    static const char* const Header[8];  // row 7, A to H

    QString name() const override { return QStringLiteral("kahoot"); }
    QString title() const override;
    QStringList suffixes() const override { return {QStringLiteral("xlsx")}; }
    // Reads the workbook: row 7 names a question, four answers, a time limit
    // and the correct answer, in Kahoot!'s order (its own template's names
    // as well as ours).
    bool recognises(const QByteArray& head) const override;
    FormatReadResult read(const QByteArray& source) const override;
    QByteArray write(const QList<QuestionRecord>& questions, QString* error,
                     QStringList* notes) const override;

    // True when row 7's cells (A to H) are Kahoot!'s column names.
    static bool isHeader(const QStringList& cells);
    // The questions of a sheet read with its row numbers, from row 8 on.
    static QList<ImportRow> rowsOf(const SourceTable& sheet, const QList<int>& numbers);
};
