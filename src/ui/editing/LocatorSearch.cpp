// SPDX-License-Identifier: GPL-2.0-or-later
#include "LocatorSearch.h"

#include "QuestionList.h"

#include <algorithm>

namespace {

constexpr uchar folded(uchar c)
{
    return c >= 'a' && c <= 'z' ? uchar(c - ('a' - 'A')) : c;
}

} // namespace

LocatorSearch::LocatorSearch(QByteArrayView text) : m_folded(text.toByteArray())
{
    for (char& c : m_folded)
        c = char(folded(uchar(c)));
    // Shifts beyond 255 are capped; a shorter shift is only slower, never wrong.
    const qsizetype length = m_folded.size();
    const auto longest = quint8(std::min<qsizetype>(length, 255));
    m_shift.fill(longest);
    for (qsizetype k = std::max<qsizetype>(0, length - 256); k + 1 < length; ++k) {
        const auto shift = quint8(length - 1 - k);
        const auto c = uchar(m_folded[k]);
        m_shift[c] = shift;
        if (c >= 'A' && c <= 'Z')
            m_shift[c + ('a' - 'A')] = shift;
    }
}

qsizetype LocatorSearch::find(QByteArrayView line) const
{
    const qsizetype length = m_folded.size();
    if (length == 0 || length > line.size())
        return -1;
    const auto* bytes = reinterpret_cast<const uchar*>(line.data());
    const auto* text = reinterpret_cast<const uchar*>(m_folded.constData());
    const uchar lastOfText = text[length - 1];
    for (qsizetype at = 0, lastStart = line.size() - length; at <= lastStart;) {
        const uchar last = bytes[at + length - 1];
        if (folded(last) == lastOfText) {
            qsizetype k = 0;
            while (k < length - 1 && folded(bytes[at + k]) == text[k])
                ++k;
            if (k == length - 1)
                return at;
        }
        at += m_shift[last];
    }
    return -1;
}

std::optional<LocatorSearch::Match> LocatorSearch::next(const QuestionList& lines,
                                                        int position) const
{
    for (int i = position + 1; i < lines.count(); ++i) {
        if (const qsizetype offset = find(lines.line(i)); offset >= 0)
            return Match{i, offset};
    }
    return std::nullopt;
}

std::optional<LocatorSearch::Match> LocatorSearch::previous(const QuestionList& lines,
                                                            int position) const
{
    for (int i = position - 1; i >= 0; --i) {
        if (const qsizetype offset = find(lines.line(i)); offset >= 0)
            return Match{i, offset};
    }
    return std::nullopt;
}
