#pragma once

#include <cstddef>
#include <cstring>

// Copies a text of at most Most bytes with a few overlapping fixed-size
// moves, which cost less than a call to the general copy for the
// field-sized texts copied for every line read. Never reads or writes
// outside the length. Where a caller copies from a shorter array, GCC
// warns about the longer moves of branches that length rules out.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Warray-bounds"
#pragma GCC diagnostic ignored "-Wstringop-overflow"
#endif
template <std::size_t Most> void CopyShort(char* to, const char* from, std::size_t length)
{
    if constexpr (Most >= 16) {
        if (length >= 16) {
            for (std::size_t i = 0; i + 16 < length; i += 16)
                std::memcpy(to + i, from + i, 16);
            std::memcpy(to + length - 16, from + length - 16, 16);
            return;
        }
    }
    if constexpr (Most >= 8) {
        if (length >= 8) {
            std::memcpy(to, from, 8);
            std::memcpy(to + length - 8, from + length - 8, 8);
            return;
        }
    }
    if constexpr (Most >= 4) {
        if (length >= 4) {
            std::memcpy(to, from, 4);
            std::memcpy(to + length - 4, from + length - 4, 4);
            return;
        }
    }
    for (std::size_t i = 0; i < length; ++i)
        to[i] = from[i];
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
