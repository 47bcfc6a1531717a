// SPDX-License-Identifier: GPL-2.0-or-later
#include "LineBlocks.h"

#include <QList>
#include <QtConcurrent/QtConcurrentMap>

QByteArray LineBlocks::joined(int count, const Block& block)
{
    constexpr int BlockSize = 8192;
    if (count <= BlockSize)
        return block(0, count);
    QList<std::pair<int, int>> ranges;
    for (int first = 0; first < count; first += BlockSize)
        ranges.append({first, std::min(count, first + BlockSize)});
    const QList<QByteArray> parts = QtConcurrent::blockingMapped<QList<QByteArray>>(
        ranges,
        [&block](const std::pair<int, int>& range) { return block(range.first, range.second); });
    qsizetype size = 0;
    for (const QByteArray& part : parts)
        size += part.size();
    QByteArray result;
    result.reserve(size);
    for (const QByteArray& part : parts)
        result += part;
    return result;
}
