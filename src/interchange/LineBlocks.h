// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <functional>

// Writes a long list's output in blocks side by side on the thread pool and
// joins them in order: the writers of a million questions use every core.
class LineBlocks
{
public:
    // block(first, end) gives the bytes of items first..end-1; it must not throw.
    using Block = std::function<QByteArray(int first, int end)>;
    static QByteArray joined(int count, const Block& block);
};
