// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ColumnRole.h"

#include <QList>
#include <QString>
#include <QStringList>

// The cells of a table-shaped source (CSV, TSV, a sheet), before anyone has
// said what the columns hold. placeOf names a row as the author finds it.
struct SourceTable
{
    QList<QStringList> rows;
    QList<QString> places;   // one per row: "line 6", "row 8"
    bool hasHeader = false;  // the first row named its columns
    QList<ColumnRole> roles; // one per column, from the header or as the author set them
    // The editor's own CSV export: its Level and Correct columns are
    // indexes from 0 rather than a name, a letter or 1-4.
    bool indexesFromZero = false;
};
