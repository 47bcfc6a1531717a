// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "LocatorSearch.h"

#include <QByteArray>
#include <vector>

class QuestionList;

// Which questions the filter bar shows: those whose question, answers or
// reference hold the text (letters a to z in either case), on the chosen
// book and level, and, when asked, with a problem in the Problems list.
class QuestionFilter
{
public:
    struct Criteria
    {
        QByteArray text; // in the question files' code page; empty: any
        int book = -1;   // book table index; -1: any
        int level = -1;  // 0 Single .. 3 Home Run; -1: any
        bool problemsOnly = false;
        std::vector<int> problemNumbers; // ascending question numbers, from 1
    };

    explicit QuestionFilter(Criteria criteria);

    // True when every question passes.
    bool isEmpty() const;
    bool matches(int index, QByteArrayView line) const;
    // List indexes of the matching rows, ascending.
    std::vector<int> matchingRows(const QuestionList& list) const;

private:
    Criteria m_criteria;
    LocatorSearch m_search;
};
