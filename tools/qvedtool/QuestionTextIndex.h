#pragma once

#include <QtGlobal>
#include <vector>

// Remembers questions by a hash of their texts, to find the first earlier
// question with the same texts: a flat table with linear probing, which
// stays fast for a million questions where a node per entry would not.
class QuestionTextIndex
{
public:
    explicit QuestionTextIndex(int expected);

    // Starts loading the slot of a hash well before findOrAdd() needs it: in
    // a table of millions the wait for memory would otherwise dominate.
    void prefetch(size_t hash) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&m_entries[hash & m_mask]);
#else
        Q_UNUSED(hash);
#endif
    }

    // The first stored question with this hash for which same(index) holds;
    // when there is none, stores index under the hash and answers -1.
    template <typename Same> int findOrAdd(size_t hash, int index, Same same)
    {
        // The slot comes from the low bits, the tag from the high ones; a
        // tag that matches by chance is ruled out by same().
        const quint32 tag = quint32(quint64(hash) >> 32);
        for (size_t slot = hash & m_mask;; slot = (slot + 1) & m_mask) {
            Entry& entry = m_entries[slot];
            if (entry.index < 0) {
                entry = Entry{tag, index};
                return -1;
            }
            if (entry.tag == tag && same(entry.index))
                return entry.index;
        }
    }

private:
    struct Entry
    {
        quint32 tag = 0;
        qint32 index = -1;
    };
    std::vector<Entry> m_entries;
    size_t m_mask = 0;
};
