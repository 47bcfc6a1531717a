#pragma once

#include "BookTable.h"

#include <QStringList>
#include <array>

class QuestionList;
class Utf8Output;

// qvedtool stats: how a file's questions spread over the books, the levels
// and the correct letters, with each letter's share, so an author sees at a
// glance whether the correct answers are balanced.
class ToolStats
{
public:
    static int run(const QStringList& arguments);

private:
    static constexpr int Choices = 4;

    struct Counts
    {
        int questions = 0;
        int notDecoded = 0;
        // The last entry of each counts the questions with no value in range.
        std::array<int, BookCount + 1> books{};
        std::array<int, Choices + 1> levels{};
        std::array<int, Choices + 1> letters{};
    };

    void count(const QuestionList& list);
    void write(Utf8Output& out) const;
    void row(Utf8Output& out, const QString& name, int count) const;

    Counts m_counts;
    int m_countWidth = 1;
};
