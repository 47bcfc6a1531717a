// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ColumnRole.h"
#include "ImportRow.h"
#include "SourceTable.h"

#include <QList>
#include <QStringList>

// Header names to column roles, and a table's rows to ImportRows.
// Names match case-insensitively, ignoring spaces and punctuation.
class ColumnRoles
{
public:
    // The role of each header cell; recognised is false when no cell named
    // a question column (the row is then data, not a header).
    static QList<ColumnRole> fromHeader(const QStringList& header, bool* recognised);

    // Gives the table its header row and roles when its first row names columns.
    static void detectHeader(SourceTable& table);

    // Every row after the header, read by the table's roles.
    static QList<ImportRow> rowsOf(const SourceTable& table);
};
