#include "QuestionTextIndex.h"

#include <algorithm>

// Half as many slots again as questions: a probe run rarely leaves the
// cache line it starts in, and the table stays small to fill. A guess from
// a file's size is held to a few million; beyond that the table grows.
QuestionTextIndex::QuestionTextIndex(qint64 expected)
    : m_entries(size_t(std::clamp<qint64>(expected, 32, qint64(1) << 22)) * 3 / 2)
{
}

void QuestionTextIndex::grow()
{
    ZeroedArray<Entry> old = std::exchange(m_entries, ZeroedArray<Entry>(m_entries.size() * 2));
    for (size_t slot = 0; slot < old.size(); ++slot) {
        if (old[slot].number != 0)
            place(old[slot]);
    }
}

void QuestionTextIndex::place(const Entry& entry)
{
    size_t slot = slotOf(entry.tag);
    while (m_entries[slot].number != 0)
        slot = slot + 1 == m_entries.size() ? 0 : slot + 1;
    m_entries[slot] = entry;
}
