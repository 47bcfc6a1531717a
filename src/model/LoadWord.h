#pragma once

#include <cstring>

// A machine word of bytes read from any address, for the loops that look
// at several bytes of a text at once.
template <typename Word> Word LoadWord(const char* at)
{
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}
