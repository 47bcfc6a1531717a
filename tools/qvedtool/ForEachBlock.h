// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <functional>

// The questions first..end-1 of a loaded list (0-based).
struct QuestionBlock
{
    int first = 0;
    int end = 0;
};

// Runs work(block) on the thread pool for blocks of count questions and
// hands each result to take(result) on this thread, in list order. Blocks
// go a few at a time, so only their results, not the whole output, are held
// at once. work must not throw.
template <typename Result, typename Work, typename Take>
void ForEachBlock(int count, Work work, Take take)
{
    constexpr int BlockSize = 8192;
    const int wave = BlockSize * std::max(QThreadPool::globalInstance()->maxThreadCount(), 1) * 4;
    for (int start = 0; start < count; start += wave) {
        QList<QuestionBlock> blocks;
        for (int first = start; first < std::min(count, start + wave); first += BlockSize)
            blocks.append({first, std::min(count, first + BlockSize)});
        const QList<Result> results = QtConcurrent::blockingMapped<QList<Result>>(
            blocks, std::function<Result(const QuestionBlock&)>(work));
        for (const Result& result : results)
            take(result);
    }
}
