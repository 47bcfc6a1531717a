// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <array>
#include <optional>

class QuestionList;

// The locator's text search over the stored question lines: only a to z fold
// to upper case, every other byte must match exactly, the first occurrence
// in a line counts, and an empty text occurs nowhere.
class LocatorSearch
{
public:
    // The text in the question files' code page.
    explicit LocatorSearch(QByteArrayView text);

    struct Match
    {
        int index;        // 0-based list index of the line
        qsizetype offset; // where the text starts in it
    };

    // The first line after (before) `position` that holds the text, walking
    // away from it without wrapping around.
    std::optional<Match> next(const QuestionList& lines, int position) const;
    std::optional<Match> previous(const QuestionList& lines, int position) const;

    // Offset of the first occurrence in one line, or -1.
    qsizetype find(QByteArrayView line) const;

private:
    QByteArray m_folded;
    // Horspool shift for each raw byte, both cases of a letter alike: a
    // million lines are searched in about the time grep takes.
    std::array<quint8, 256> m_shift{};
};
