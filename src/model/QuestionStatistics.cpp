// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionStatistics.h"

#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"

#include <cmath>
#include <numeric>

namespace {

// Index into a count table whose last entry stands for "none".
std::size_t slot(int value, int size)
{
    return std::size_t(value >= 0 && value < size ? value : size);
}

} // namespace

QuestionStatistics::QuestionStatistics(const QuestionList& list) : questions(list.count())
{
    QuestionRecord record;
    for (int i = 0; i < list.count(); ++i) {
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(list.line(i), record, DecodeMode::QuestionOnly);
        } catch (const QvedError&) {
            ++notDecoded;
            continue;
        }
        const std::size_t book = slot(record.Book, BookCount);
        const std::size_t level = slot(record.Level, Choices);
        ++books[book];
        ++levels[level];
        ++letters[slot(record.Correct, Choices)];
        ++bookLevels[book][level];
    }
}

int QuestionStatistics::lettered() const
{
    return std::accumulate(letters.begin(), letters.end() - 1, 0);
}

double QuestionStatistics::share(int letter) const
{
    const int all = lettered();
    return all > 0 ? 100.0 * letters[std::size_t(letter)] / all : 0.0;
}

bool QuestionStatistics::isUneven(int letter) const
{
    return lettered() > 0 && std::abs(share(letter) - 100.0 / Choices) > UnevenPoints;
}
