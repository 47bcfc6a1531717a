// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// Aiken, Moodle's plainest format: the question on one line, four lines
// "A." or "A)" to "D", then "ANSWER: X". It has no reference, book or level.
class AikenFormat : public QuestionFormat
{
public:
    QString name() const override;
    QString title() const override;
    QStringList suffixes() const override;
    bool recognises(const QByteArray& head) const override;
    FormatReadResult read(const QByteArray& source) const override;
    QByteArray write(const QList<QuestionRecord>& questions, QString* error,
                     QStringList* notes) const override;
};
