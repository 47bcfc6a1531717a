// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankDiff.h"

#include "QuestionFields.h"
#include "QuestionMatcher.h"

BankDiff BankDiff::compare(const QuestionList& before, const QuestionList& after)
{
    const QuestionMatcher old(before);
    const QuestionMatcher changedBank(after);
    std::vector<bool> oldPaired(std::size_t(old.count()));
    std::vector<bool> newPaired(std::size_t(changedBank.count()));
    BankDiff diff;
    for (const QuestionMatcher::Pair& pair : old.pairWith(changedBank)) {
        oldPaired[std::size_t(pair.mine)] = true;
        newPaired[std::size_t(pair.theirs)] = true;
        if (pair.identical)
            continue;
        const QuestionFields was = old.fields(pair.mine);
        const QuestionFields is = changedBank.fields(pair.theirs);
        Change change{pair.mine, pair.theirs, {}};
        for (int field = 0; field < QuestionFields::Count; ++field) {
            if (was.texts[std::size_t(field)] != is.texts[std::size_t(field)])
                change.fields.push_back(
                    {field, was.texts[std::size_t(field)], is.texts[std::size_t(field)]});
        }
        // Lines that differ only outside their fields hold the same question.
        if (!change.fields.empty())
            diff.changed.push_back(std::move(change));
    }
    for (int index = 0; index < old.count(); ++index) {
        if (old.included(index) && !oldPaired[std::size_t(index)])
            diff.removed.push_back(index);
    }
    for (int index = 0; index < changedBank.count(); ++index) {
        if (changedBank.included(index) && !newPaired[std::size_t(index)])
            diff.added.push_back(index);
    }
    return diff;
}
