// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankMerge.h"

#include "QuestionFields.h"
#include "QuestionList.h"
#include "QuestionMatcher.h"

#include <set>

namespace {

// For each question of one side, the base question it grew from, or -1.
std::vector<int> baseOf(const QuestionMatcher& base, const QuestionMatcher& side)
{
    std::vector<int> result(std::size_t(side.count()), -1);
    for (const QuestionMatcher::Pair& pair : base.pairWith(side))
        result[std::size_t(pair.theirs)] = pair.mine;
    return result;
}

std::vector<int> sideOf(const std::vector<int>& baseOfSide, int baseCount)
{
    std::vector<int> result(std::size_t(baseCount), -1);
    for (std::size_t index = 0; index < baseOfSide.size(); ++index) {
        if (baseOfSide[index] >= 0)
            result[std::size_t(baseOfSide[index])] = int(index);
    }
    return result;
}

} // namespace

BankMerge BankMerge::merge(const QuestionList& base, const QuestionList& ours,
                           const QuestionList& theirs)
{
    const QuestionMatcher baseBank(base, false);
    const QuestionMatcher ourBank(ours, false);
    const QuestionMatcher theirBank(theirs, false);
    const std::vector<int> ourBase = baseOf(baseBank, ourBank);
    const std::vector<int> theirBase = baseOf(baseBank, theirBank);
    const std::vector<int> theirsOfBase = sideOf(theirBase, base.count());
    const std::vector<int> oursOfBase = sideOf(ourBase, base.count());

    BankMerge result;
    std::set<QByteArray> ourAdditions;
    for (int index = 0; index < ours.count(); ++index) {
        const int was = ourBase[std::size_t(index)];
        const QByteArray ourLine = ours.line(index).toByteArray();
        if (was < 0) {
            result.lines.push_back(ourLine);
            ourAdditions.insert(QuestionFields::fromLine(ourLine).toLine());
            continue;
        }
        const QuestionFields original = baseBank.fields(was);
        const QuestionFields mine = ourBank.fields(index);
        const int their = theirsOfBase[std::size_t(was)];
        if (their < 0) {
            // Deleted in theirs: it goes unless ours changed it.
            if (mine != original) {
                result.conflicts.push_back({int(result.lines.size()) + 1, -1, ourLine, {}});
                result.lines.push_back(ourLine);
            }
            continue;
        }
        const QuestionFields other = theirBank.fields(their);
        if (other == original || other == mine) {
            result.lines.push_back(ourLine);
            continue;
        }
        if (mine == original) {
            result.lines.push_back(theirs.line(their).toByteArray());
            continue;
        }
        QuestionFields merged = mine;
        merged.found = std::max(mine.found, other.found);
        for (int field = 0; field < QuestionFields::Count; ++field) {
            const QByteArray& before = original.texts[std::size_t(field)];
            const QByteArray& theirText = other.texts[std::size_t(field)];
            const QByteArray& ourText = mine.texts[std::size_t(field)];
            if (ourText == before)
                merged.texts[std::size_t(field)] = theirText;
            else if (theirText != before && theirText != ourText)
                result.conflicts.push_back(
                    {int(result.lines.size()) + 1, field, ourText, theirText});
        }
        result.lines.push_back(merged.toLine());
    }
    // Questions ours deleted: gone, unless theirs changed them.
    for (int was = 0; was < base.count(); ++was) {
        const int their = theirsOfBase[std::size_t(was)];
        if (oursOfBase[std::size_t(was)] < 0 && their >= 0 &&
            theirBank.fields(their) != baseBank.fields(was)) {
            result.conflicts.push_back({was + 1, -1, {}, theirs.line(their).toByteArray()});
        }
    }
    for (int index = 0; index < theirs.count(); ++index) {
        if (theirBase[std::size_t(index)] >= 0)
            continue;
        const QByteArray line = theirs.line(index).toByteArray();
        if (!ourAdditions.count(QuestionFields::fromLine(line).toLine()))
            result.lines.push_back(line);
    }
    return result;
}
