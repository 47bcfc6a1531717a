// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFormat.h"

// Moodle XML: multichoice questions with one answer at fraction 100. The
// export carries reference, book and level in the name and the category;
// no document type or entity definition is ever read.
class MoodleXmlFormat : public QuestionFormat
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
