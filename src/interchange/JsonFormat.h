// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// A JSON array of one object a question, every field decoded: written only,
// for scripts that read a bank.
class JsonFormat : public QuestionFormat
{
public:
    QString name() const override;
    QString title() const override;
    QStringList suffixes() const override;
    bool canRead() const override { return false; }
    bool recognises(const QByteArray& head) const override;
    FormatReadResult read(const QByteArray& source) const override;
    QByteArray write(const QList<QuestionRecord>& questions, QString* error,
                     QStringList* notes) const override;
    QByteArray writeLines(const QuestionList& list, QString* error,
                          QStringList* notes) const override;
};
