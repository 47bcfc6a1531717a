#pragma once

#include "ZeroedArray.h"

#include <QtGlobal>

// Remembers questions by a hash of their texts, to find the first earlier
// question with the same texts: a flat table with linear probing, which
// stays fast for a million questions where a node per entry would not.
// Each question is kept with where its line starts in the file, so that a
// match of the hash is confirmed on the texts themselves.
class QuestionTextIndex
{
public:
    // Room for about this many questions before the table grows.
    explicit QuestionTextIndex(qint64 expected);

    // Starts loading the slot of a hash well before findOrAdd() needs it: in
    // a table of millions the wait for memory would otherwise dominate.
    void prefetch(quint64 hash) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&m_entries[slotOf(tagOf(hash))]);
#else
        Q_UNUSED(hash);
#endif
    }

    // The number of the first stored question with this hash for which
    // same(its line offset) holds; when there is none, stores this question
    // and answers 0.
    template <typename Same> int findOrAdd(quint64 hash, int number, qint64 lineOffset, Same same)
    {
        // A tag that matches by chance is ruled out by same().
        const quint32 tag = tagOf(hash);
        for (size_t slot = slotOf(tag);; slot = slot + 1 == m_entries.size() ? 0 : slot + 1) {
            Entry& entry = m_entries[slot];
            if (entry.number == 0) {
                entry = Entry{tag, number, lineOffset};
                if (++m_used * 3 > m_entries.size() * 2)
                    grow();
                return 0;
            }
            if (entry.tag == tag && same(entry.lineOffset))
                return entry.number;
        }
    }

private:
    struct Entry
    {
        quint32 tag;
        qint32 number; // 0 for an empty slot
        qint64 lineOffset;
    };

    static quint32 tagOf(quint64 hash)
    {
        return quint32(hash >> 32);
    }
    // The tag scaled to the table, so a table of any size works and growing
    // needs only the tags.
    size_t slotOf(quint32 tag) const
    {
        return size_t((quint64(tag) * m_entries.size()) >> 32);
    }
    // Twice the slots, once two thirds of them are used.
    void grow();
    void place(const Entry& entry);

    ZeroedArray<Entry> m_entries;
    size_t m_used = 0;
};
