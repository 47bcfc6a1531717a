// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BookTable.h"

#include <array>

class QuestionList;

// The counts of a question list by book, by level and by correct letter,
// shared by `qvedtool stats` and the editor's Statistics. A value missing
// or outside its list counts in the last slot, "(none)"; lines that do not
// decode are counted apart.
class QuestionStatistics
{
public:
    static constexpr int Choices = 4;
    // A letter whose share is further than this from an even spread, in
    // percentage points, is flagged.
    static constexpr double UnevenPoints = 5.0;

    explicit QuestionStatistics(const QuestionList& list);

    int questions = 0;
    int notDecoded = 0;
    std::array<int, BookCount + 1> books{};
    std::array<int, Choices + 1> levels{};
    std::array<int, Choices + 1> letters{};
    // Questions of each book (none last) at each level (none last).
    std::array<std::array<int, Choices + 1>, BookCount + 1> bookLevels{};

    // Questions with a correct letter A to D.
    int lettered() const;
    // A letter's share of those, in percent.
    double share(int letter) const;
    bool isUneven(int letter) const;
};
