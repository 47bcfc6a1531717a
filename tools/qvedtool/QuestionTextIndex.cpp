#include "QuestionTextIndex.h"

QuestionTextIndex::QuestionTextIndex(int expected)
{
    // At most half full, so probe runs stay short.
    size_t size = 16;
    while (size < size_t(expected) * 2)
        size *= 2;
    m_entries.resize(size);
    m_mask = size - 1;
}
