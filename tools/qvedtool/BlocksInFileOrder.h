#pragma once

#include <QtConcurrent/QtConcurrentMap>
#include <algorithm>
#include <type_traits>
#include <vector>

// Works through questions 0..count-1 in blocks on every core: work(first,
// end) runs on a block in any thread, and write() receives the blocks'
// results one at a time, in file order.
template <typename Work, typename Write>
void BlocksInFileOrder(int count, int blockSize, Work work, Write write)
{
    using Result = std::invoke_result_t<Work, int, int>;
    std::vector<int> blockStarts;
    for (int first = 0; first < count; first += blockSize)
        blockStarts.push_back(first);
    QtConcurrent::blockingMappedReduced<bool>(
        blockStarts,
        [&](int first) { return work(first, std::min(first + blockSize, count)); },
        [&](bool&, const Result& result) { write(result); },
        QtConcurrent::OrderedReduce | QtConcurrent::SequentialReduce);
}
