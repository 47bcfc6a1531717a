// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionFormat.h"

#include "QuestionList.h"
#include "QuestionRecord.h"
#include "QvedError.h"

#include <QCoreApplication>

QByteArray QuestionFormat::writeLines(const QuestionList& list, QString* error,
                                      QStringList* notes) const
{
    QList<QuestionRecord> records;
    records.reserve(list.count());
    QuestionRecord record;
    for (int index = 0; index < list.count(); ++index) {
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
            records.append(record);
        } catch (const QvedError& e) {
            notes->append(QCoreApplication::translate("Interchange", "line %1: %2")
                              .arg(index + 1)
                              .arg(e.message()));
        }
    }
    return write(records, error, notes);
}
