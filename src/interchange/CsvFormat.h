// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// Comma- or semicolon-separated text, as spreadsheets save it; written with
// the export's own columns and header row.
class CsvFormat : public QuestionFormat
{
public:
    QString name() const override;
    QString title() const override;
    QStringList suffixes() const override;
    bool recognises(const QByteArray& head) const override;
    FormatReadResult read(const QByteArray& source) const override;
    QByteArray write(const QList<QuestionRecord>& questions, QString* error,
                     QStringList* notes) const override;
    QByteArray writeLines(const QuestionList& list, QString* error,
                          QStringList* notes) const override;
};
