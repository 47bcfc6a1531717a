// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// GIFT, Moodle's text format: "::title::question {=right ~wrong ~wrong ~wrong}".
// The export writes the reference as the title and the book and level as
// the category, so that reading it back gives the same questions.
class GiftFormat : public QuestionFormat
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
