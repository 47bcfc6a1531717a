// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <algorithm>
#include <cstring>

// Calls lineFound(offset, length) for every line of a question file's
// content, in order. CR LF, a lone CR and a lone LF each end a line; a last
// line without an ending still counts. This is the one place that decides
// where a question file's lines are.
template <typename LineFound> void ForEachQuestionLine(QByteArrayView content, LineFound lineFound)
{
    const char* const data = content.data();
    const qsizetype size = content.size();
    const char* const end = data + size;
    qsizetype start = 0;
    // Lines end at the nearer of the next CR and the next LF; both are found
    // with memchr and kept until passed.
    const char* nextCr = nullptr;
    const char* nextLf = nullptr;
    while (start < size) {
        const char* from = data + start;
        if (nextCr != end && (!nextCr || nextCr < from)) {
            nextCr = static_cast<const char*>(std::memchr(from, '\r', std::size_t(end - from)));
            nextCr = nextCr ? nextCr : end;
        }
        if (nextLf != end && (!nextLf || nextLf < from)) {
            nextLf = static_cast<const char*>(std::memchr(from, '\n', std::size_t(end - from)));
            nextLf = nextLf ? nextLf : end;
        }
        const char* lineEnd = std::min(nextCr, nextLf);
        if (lineEnd == end)
            break;
        lineFound(start, qsizetype(lineEnd - from));
        qsizetype next = lineEnd - data + 1;
        if (*lineEnd == '\r' && next < size && data[next] == '\n')
            ++next;
        start = next;
    }
    if (start < size)
        lineFound(start, size - start);
}
