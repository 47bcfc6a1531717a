// SPDX-License-Identifier: GPL-2.0-or-later
#include "DelimitedExport.h"

#include "ColumnRoles.h"
#include "DelimitedText.h"
#include "LineBlocks.h"
#include "QuestionList.h"
#include "QuestionRecord.h"
#include "QvedError.h"

FormatReadResult DelimitedExport::read(const QByteArray& source, char separator)
{
    FormatReadResult result;
    result.table = DelimitedText::read(source, separator, &result.error);
    if (!result.error.isEmpty())
        return result;
    result.tabular = true;
    ColumnRoles::detectHeader(result.table);
    if (result.table.hasHeader)
        result.rows = ColumnRoles::rowsOf(result.table);
    return result;
}

QByteArray DelimitedExport::write(const QList<QuestionRecord>& questions, char separator)
{
    QByteArray out = DelimitedText::header(separator);
    out += LineBlocks::joined(int(questions.size()), [&](int first, int end) {
        QByteArray block;
        for (int index = first; index < end; ++index)
            DelimitedText::appendRecord(block, index + 1, &questions[index], {}, separator);
        return block;
    });
    return out;
}

QByteArray DelimitedExport::writeLines(const QuestionList& list, char separator)
{
    QByteArray out = DelimitedText::header(separator);
    out += LineBlocks::joined(list.count(), [&](int first, int end) {
        QByteArray block;
        QuestionRecord record;
        for (int index = first; index < end; ++index) {
            // Cleared first, so a short line shows empty texts and -1.
            ClearQuestionRecord(record);
            QString error;
            try {
                DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
            } catch (const QvedError& e) {
                error = e.message();
            }
            DelimitedText::appendRecord(block, index + 1, error.isEmpty() ? &record : nullptr,
                                        error, separator);
        }
        return block;
    });
    return out;
}
