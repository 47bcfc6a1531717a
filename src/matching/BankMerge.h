// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <vector>

class QuestionList;

// Merges two banks that grew from one: question by question and field by
// field. A question added on either side is kept (once when both added the
// same), one deleted on a side and untouched on the other goes, a field
// changed on one side takes that change, and different fields changed on
// the two sides take both. The same field changed differently on both sides,
// or a question deleted on one side and changed on the other, is a conflict:
// the result keeps ours.
struct BankMerge
{
    struct Conflict
    {
        int question = 0; // 1-based: in ours for a change, in base for a deletion
        int field = -1;   // a QuestionFields::Field; -1 when one side deleted it
        QByteArray ours;  // empty for a deleted side
        QByteArray theirs;
    };

    std::vector<QByteArray> lines; // the merged bank, in ours' order, theirs' additions last
    std::vector<Conflict> conflicts;

    static BankMerge merge(const QuestionList& base, const QuestionList& ours,
                           const QuestionList& theirs);
};
