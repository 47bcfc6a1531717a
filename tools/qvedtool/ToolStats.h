#pragma once

#include "BookTable.h"

#include <QStringList>
#include <array>

class QuestionFileLines;
class Utf8Output;

// qvedtool stats: how a file's questions spread over the books, the levels
// and the correct letters, with each letter's share, so an author sees at a
// glance whether the correct answers are balanced.
class ToolStats
{
public:
    static int run(const QStringList& arguments);

private:
    explicit ToolStats(const QuestionFileLines& list);
    void write(Utf8Output& out) const;
    void row(Utf8Output& out, const QString& name, int count) const;

    static constexpr int Choices = 4;
    int m_questions = 0;
    int m_notDecoded = 0;
    // The last entry of each counts the questions with no value in range.
    std::array<int, BookCount + 1> m_books{};
    std::array<int, Choices + 1> m_levels{};
    std::array<int, Choices + 1> m_letters{};
    int m_countWidth = 1;
};
