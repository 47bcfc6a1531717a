// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <vector>

class QuestionList;

// What changed from one bank to another, question by question. Questions are
// matched by content, not by their place: a question that only moved is no
// change, and an edited question is matched to its old self.
struct BankDiff
{
    struct FieldChange
    {
        int field = 0; // a QuestionFields::Field
        QByteArray before;
        QByteArray after;
    };
    struct Change
    {
        int before = -1; // list indexes
        int after = -1;
        std::vector<FieldChange> fields;
    };

    std::vector<int> added;   // indexes in the new bank, ascending
    std::vector<int> removed; // indexes in the old bank, ascending
    std::vector<Change> changed;

    bool same() const { return added.empty() && removed.empty() && changed.empty(); }

    static BankDiff compare(const QuestionList& before, const QuestionList& after);
};
