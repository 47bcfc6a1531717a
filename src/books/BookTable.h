// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>

// The 68 books a question can refer to: the 66 Bible books in canonical
// order, then the two non-Biblical categories. A line stores index + 1.
constexpr int BookCount = 68;
constexpr int BibleBookCount = 66;
constexpr int CatechismBook = 66; // "Ctsm."
constexpr int OtherBook = 67;     // "Othr."

// Index 0..67; callers handle the "no book" value -1 themselves.
QByteArrayView BookAbbreviation(int index);

// Every test that tells the two kinds apart compares with 66.
constexpr bool IsBibleBook(int index) { return index < BibleBookCount; }
