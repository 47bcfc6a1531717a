// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// An Excel workbook. Reading takes the first sheet as a table, with a
// header row named as a CSV file's would be; writing gives one sheet with
// the CSV export's columns and header row, every field as text, so that
// reading it back gives each question exactly as it was.
class XlsxFormat : public QuestionFormat
{
public:
    QString name() const override { return QStringLiteral("xlsx"); }
    QString title() const override;
    QStringList suffixes() const override { return {QStringLiteral("xlsx")}; }
    // A ZIP archive holding a workbook (a spreadsheet, not another
    // document of the same family).
    bool recognises(const QByteArray& head) const override;
    FormatReadResult read(const QByteArray& source) const override;
    QByteArray write(const QList<QuestionRecord>& questions, QString* error,
                     QStringList* notes) const override;
};
