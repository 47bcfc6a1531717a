// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>

namespace vtbl {

inline constexpr int kBookCount = 66;
inline constexpr int kMaxChapters = 150; // Psalms

// Verses per chapter for each book, Genesis..Revelation; a book's row is
// zero past its last chapter. Every count fits a byte (the largest is 176).
extern const std::uint8_t kVerseCounts[kBookCount][kMaxChapters];

// Number of chapters of book b (0-based), i.e. the leading non-zero counts.
int chapterCount(int book);

} // namespace vtbl
