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
    // From 16 bytes: the same number of 16-byte moves for every length, each
    // moved back to end within the text where it would pass it, so the
    // length changing from one text to the next costs no mispredicted branch.
    if constexpr (Most >= 16) {
        if (length >= 16) {
            for (std::size_t block = 0; block < Most; block += 16) {
                const std::size_t at = block < length - 16 ? block : length - 16;
                std::memcpy(to + at, from + at, 16);
            }
            return;
        }
    }
    // From 4 bytes: four 4-byte moves, likewise.
    if constexpr (Most >= 4) {
        if (length >= 4) {
            const std::size_t last = length - 4;
            std::memcpy(to, from, 4);
            std::memcpy(to + (last < 4 ? last : 4), from + (last < 4 ? last : 4), 4);
            std::memcpy(to + (last < 8 ? last : 8), from + (last < 8 ? last : 8), 4);
            std::memcpy(to + last, from + last, 4);
            return;
        }
    }
    for (std::size_t i = 0; i < length; ++i)
        to[i] = from[i];
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif
