// SPDX-License-Identifier: GPL-2.0-or-later
#include "RowChecks.h"

#include "ImportRowChecker.h"

#include <QtConcurrent/QtConcurrentMap>

QList<ImportedQuestion> RowChecks::checkAll(const QList<ImportRow>& rows,
                                            const ImportRowChecker& checker)
{
    constexpr qsizetype BlockSize = 4096;
    QList<std::pair<qsizetype, qsizetype>> blocks;
    for (qsizetype first = 0; first < rows.size(); first += BlockSize)
        blocks.append({first, std::min(rows.size(), first + BlockSize)});
    const QList<QList<ImportedQuestion>> checked =
        QtConcurrent::blockingMapped<QList<QList<ImportedQuestion>>>(
            blocks, [&](const std::pair<qsizetype, qsizetype>& block) {
                QList<ImportedQuestion> outcomes;
                outcomes.reserve(block.second - block.first);
                for (qsizetype index = block.first; index < block.second; ++index)
                    outcomes.append(checker.check(rows[index]));
                return outcomes;
            });
    QList<ImportedQuestion> result;
    result.reserve(rows.size());
    for (const QList<ImportedQuestion>& block : checked)
        result += block;
    return result;
}
