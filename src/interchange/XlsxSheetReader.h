// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "SourceTable.h"

#include <QByteArray>
#include <QString>

// The cells of a workbook's first sheet as text: shared strings (their rich
// text runs joined), inline strings, numbers as the sheet shows them
// (integers without ".0"), each cell in the column its reference names, with
// the gaps kept. Rows without any text are left out; every other row's place
// is "row N" as the sheet numbers it. No header is looked for.
class XlsxSheetReader
{
public:
    // More cells than this (gaps included) and the sheet is refused, so a
    // small file cannot fill the memory with empty cells.
    static constexpr qint64 MaxCells = 4'000'000;
    static constexpr int MaxColumns = 16384; // XFD, the last column a sheet has

    // The first sheet, or an empty table with the reason in error;
    // rowNumbers, when given, receives each row's number in the sheet.
    static SourceTable read(const QByteArray& workbook, QString* error,
                            QList<int>* rowNumbers = nullptr);
};
