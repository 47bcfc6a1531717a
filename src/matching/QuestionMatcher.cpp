// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionMatcher.h"

#include "QuestionList.h"
#include "TextFold.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <memory>
#include <unordered_map>

namespace {

// A word pair shared by more questions than this says nothing about any of
// them; leaving it out keeps the candidates of a question few.
constexpr qsizetype CommonPosting = 2000;
// Likewise for the words of the questions left to pair between two banks,
// and for the word pairs of a question being typed, looked up in the bank.
constexpr qsizetype CommonToken = 200;
constexpr qsizetype CommonWording = 500;
// Two questions are the same question edited when this share of their tagged
// tokens is shared.
constexpr double EditedAlike = 0.5;

quint64 combine(quint64 seed, quint64 value)
{
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

quint32 narrow(quint64 hash)
{
    const auto folded = quint32(hash ^ (hash >> 32));
    return folded == 0 ? 1 : folded; // 0 means none
}

double jaccard(int shared, int a, int b)
{
    const int together = a + b - shared;
    return together > 0 ? double(shared) / together : 0;
}

struct UnionFind
{
    explicit UnionFind(int size) : parent(std::size_t(size))
    {
        std::iota(parent.begin(), parent.end(), 0);
    }
    int root(int at)
    {
        while (parent[at] != at)
            at = parent[at] = parent[parent[at]];
        return at;
    }
    void join(int a, int b)
    {
        a = root(a);
        b = root(b);
        if (a != b)
            parent[std::max(a, b)] = std::min(a, b);
    }
    std::vector<int> parent;
};

// Calls found(other, shared) for each index that shares keys with the given
// sorted keys in the index, with how many it shares.
} // namespace

// How many keys each question shares with the asked ones: counts in one
// array as long as the bank, and the questions touched, so a lookup costs
// what it finds rather than the size of the bank.
class QuestionMatcher::SharedCount
{
public:
    explicit SharedCount(int questions) : m_counts(std::size_t(questions)) {}

    template <typename Index, typename Found>
    void tally(const std::vector<quint32>& keys, const Index& index, qsizetype common, Found found)
    {
        for (quint32 key : keys) {
            const auto from = std::lower_bound(
                index.begin(), index.end(), key,
                [](const auto& posting, quint32 k) { return posting.key < k; });
            const auto to = std::upper_bound(
                from, index.end(), key, [](quint32 k, const auto& posting) { return k < posting.key; });
            if (to - from > common)
                continue;
            for (auto at = from; at != to; ++at) {
                if (m_counts[std::size_t(at->index)]++ == 0)
                    m_touched.push_back(at->index);
            }
        }
        for (int other : m_touched) {
            found(other, m_counts[std::size_t(other)]);
            m_counts[std::size_t(other)] = 0;
        }
        m_touched.clear();
    }

private:
    std::vector<int> m_counts;
    std::vector<int> m_touched;
};

namespace {
} // namespace

QuestionMatcher::QuestionMatcher(const QuestionList& list, bool skipDeleted) : m_list(list)
{
    m_questions.resize(std::size_t(list.count()));
    for (int index = 0; index < list.count(); ++index) {
        Question& question = m_questions[std::size_t(index)];
        question.included = !(skipDeleted && list.isDeleted(index));
        question.exact = qHash(list.line(index), size_t(0));
    }
}

QuestionMatcher::~QuestionMatcher() = default;

void QuestionMatcher::readWording() const
{
    if (std::exchange(m_wordingRead, true))
        return;
    for (int index = 0; index < count(); ++index) {
        Question& question = m_questions[std::size_t(index)];
        if (!question.included)
            continue;
        const QuestionFields fields = this->fields(index);
        question.same = sameKey(fields);
        const quint64 answer = TextFold::foldedHash(fields.rightAnswer());
        question.answer = fields.rightAnswer().isEmpty() ? 0 : narrow(answer);
        const QByteArray& reference = fields.texts[QuestionFields::Reference];
        question.reference =
            reference.isEmpty()
                ? 0
                : narrow(combine(qHash(fields.texts[QuestionFields::Book], size_t(0)),
                                 TextFold::foldedHash(reference)));
        const std::vector<quint32> pairs = shingles(fields.texts[QuestionFields::Question]);
        question.firstShingle = quint32(m_shingles.size());
        question.shingleCount = quint16(std::min<std::size_t>(pairs.size(), 0xffff));
        m_shingles.insert(m_shingles.end(), pairs.begin(), pairs.begin() + question.shingleCount);
        m_sameKeys.push_back(question.same);
    }
    std::sort(m_sameKeys.begin(), m_sameKeys.end());
}

QuestionFields QuestionMatcher::fields(int index) const
{
    return QuestionFields::fromLine(m_list.line(index));
}

quint64 QuestionMatcher::sameKey(const QuestionFields& question)
{
    std::array<quint64, 4> answers{};
    for (int answer = 0; answer < 4; ++answer)
        answers[answer] = TextFold::foldedHash(question.texts[QuestionFields::AnswerA + answer]);
    std::sort(answers.begin(), answers.end());
    quint64 key = TextFold::foldedHash(question.texts[QuestionFields::Question]);
    for (quint64 answer : answers)
        key = combine(key, answer);
    return key;
}

bool QuestionMatcher::holdsSame(const QuestionFields& question) const
{
    readWording();
    return std::binary_search(m_sameKeys.begin(), m_sameKeys.end(), sameKey(question));
}

std::vector<quint32> QuestionMatcher::shingles(QByteArrayView question)
{
    std::vector<quint32> result;
    quint64 previous = 0;
    int words = 0;
    TextFold::forEachWord(question, [&](QStringView word) {
        const quint64 hash = qHash(word, size_t(0));
        if (words++ > 0)
            result.push_back(narrow(combine(previous, hash)));
        previous = hash;
    });
    if (words == 1)
        result.push_back(narrow(previous));
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

double QuestionMatcher::wordingSimilarity(QByteArrayView a, QByteArrayView b)
{
    const std::vector<quint32> first = shingles(a);
    const std::vector<quint32> second = shingles(b);
    std::vector<quint32> shared;
    std::set_intersection(first.begin(), first.end(), second.begin(), second.end(),
                          std::back_inserter(shared));
    return jaccard(int(shared.size()), int(first.size()), int(second.size()));
}

std::vector<QuestionMatcher::Group> QuestionMatcher::duplicateGroups(double threshold,
                                                                     const Progress& progress) const
{
    readWording();
    const int total = count();
    UnionFind groups(total);
    // The same question, and the same reference with the same right answer:
    // equal keys side by side once sorted.
    std::vector<std::pair<quint64, int>> same;
    std::vector<std::pair<quint64, int>> references;
    std::vector<std::pair<quint32, int>> byAnswer; // questions with a right answer
    for (int index = 0; index < total; ++index) {
        const Question& question = m_questions[std::size_t(index)];
        if (!question.included)
            continue;
        same.emplace_back(question.same, index);
        if (question.answer == 0)
            continue;
        byAnswer.emplace_back(question.answer, index);
        if (question.reference != 0)
            references.emplace_back(combine(question.reference, question.answer), index);
    }
    for (auto* keys : {&same, &references}) {
        std::sort(keys->begin(), keys->end());
        for (std::size_t at = 1; at < keys->size(); ++at) {
            if ((*keys)[at].first == (*keys)[at - 1].first)
                groups.join((*keys)[at - 1].second, (*keys)[at].second);
        }
        keys->clear();
        keys->shrink_to_fit();
    }

    // Similar wording among the questions with the same right answer: each
    // against those sharing a word pair with it.
    std::sort(byAnswer.begin(), byAnswer.end());
    std::vector<Posting> postings;
    SharedCount shared(total);
    int done = 0;
    for (std::size_t first = 0; first < byAnswer.size();) {
        std::size_t last = first + 1;
        while (last < byAnswer.size() && byAnswer[last].first == byAnswer[first].first)
            ++last;
        if (progress && !progress(done, total))
            return {};
        done += int(last - first);
        if (last - first > 1) {
            postings.clear();
            for (std::size_t at = first; at < last; ++at) {
                const Question& question = m_questions[std::size_t(byAnswer[at].second)];
                for (quint32 shingle = 0; shingle < question.shingleCount; ++shingle)
                    postings.push_back(
                        {m_shingles[question.firstShingle + shingle], byAnswer[at].second});
            }
            std::sort(postings.begin(), postings.end());
            for (std::size_t at = first; at < last; ++at) {
                const int index = byAnswer[at].second;
                const Question& question = m_questions[std::size_t(index)];
                const std::vector<quint32> keys(
                    m_shingles.begin() + question.firstShingle,
                    m_shingles.begin() + question.firstShingle + question.shingleCount);
                shared.tally(keys, postings, CommonPosting, [&](int other, int count) {
                    if (other <= index)
                        return;
                    const int size = m_questions[std::size_t(other)].shingleCount;
                    if (jaccard(count, question.shingleCount, size) >= threshold)
                        groups.join(index, other);
                });
            }
        }
        first = last;
    }
    if (progress && !progress(total, total))
        return {};

    std::unordered_map<int, std::size_t> groupOf;
    std::vector<Group> result;
    for (int index = 0; index < total; ++index) {
        if (!m_questions[std::size_t(index)].included)
            continue;
        const int root = groups.root(index);
        if (root == index)
            continue;
        auto [at, added] = groupOf.try_emplace(root, result.size());
        if (added)
            result.push_back({true, {root}});
        Group& group = result[at->second];
        group.members.push_back(index);
        group.same = group.same && m_questions[std::size_t(index)].same ==
                                       m_questions[std::size_t(root)].same;
    }
    return result;
}

QuestionMatcher::Similar QuestionMatcher::closest(QByteArrayView question, double threshold,
                                                  int except) const
{
    readWording();
    if (m_wordingIndex.empty()) {
        for (int index = 0; index < count(); ++index) {
            const Question& entry = m_questions[std::size_t(index)];
            for (quint32 at = 0; entry.included && at < entry.shingleCount; ++at)
                m_wordingIndex.push_back({m_shingles[entry.firstShingle + at], index});
        }
        std::sort(m_wordingIndex.begin(), m_wordingIndex.end());
    }
    const std::vector<quint32> keys = shingles(question);
    if (!m_lookupCount)
        m_lookupCount = std::make_unique<SharedCount>(count());
    Similar best;
    m_lookupCount->tally(keys, m_wordingIndex, CommonWording, [&](int other, int shared) {
        if (other == except)
            return;
        const double similarity =
            jaccard(shared, int(keys.size()), m_questions[std::size_t(other)].shingleCount);
        if (similarity >= threshold &&
            (similarity > best.similarity ||
             (similarity == best.similarity && other < best.index))) {
            best = {other, similarity};
        }
    });
    return best;
}

std::vector<quint32> QuestionMatcher::tokens(int index) const
{
    const QuestionFields question = fields(index);
    std::vector<quint32> result;
    for (int field = 0; field < QuestionFields::Count; ++field) {
        const QByteArray& text = question.texts[std::size_t(field)];
        // The book, level and letter are shared by too many to tell any apart.
        if (field < QuestionFields::Reference)
            continue;
        TextFold::forEachWord(text, [&](QStringView word) {
            result.push_back(narrow(combine(quint64(field), qHash(word, size_t(0)))));
        });
    }
    std::sort(result.begin(), result.end());
    result.erase(std::unique(result.begin(), result.end()), result.end());
    return result;
}

std::vector<QuestionMatcher::Pair> QuestionMatcher::pairWith(const QuestionMatcher& other) const
{
    std::vector<Pair> result;
    std::vector<bool> minePaired(static_cast<std::size_t>(count()));
    std::vector<bool> theirsPaired(std::size_t(other.count()));

    // Identical questions, the n-th copy with the n-th copy.
    auto exactOrder = [](const QuestionMatcher& bank) {
        std::vector<std::pair<quint64, int>> order;
        for (int index = 0; index < bank.count(); ++index) {
            if (bank.included(index))
                order.emplace_back(bank.m_questions[std::size_t(index)].exact, index);
        }
        std::sort(order.begin(), order.end());
        return order;
    };
    const auto mine = exactOrder(*this);
    const auto theirs = exactOrder(other);
    for (std::size_t a = 0, b = 0; a < mine.size() && b < theirs.size();) {
        if (mine[a].first < theirs[b].first) {
            ++a;
        } else if (theirs[b].first < mine[a].first) {
            ++b;
        } else {
            if (m_list.line(mine[a].second) == other.m_list.line(theirs[b].second)) {
                result.push_back({mine[a].second, theirs[b].second, true});
                minePaired[std::size_t(mine[a].second)] = true;
                theirsPaired[std::size_t(theirs[b].second)] = true;
            }
            ++a;
            ++b;
        }
    }

    // The rest by their tokens: an edited question keeps most of them.
    std::vector<Posting> index;
    std::vector<int> tokenCount(std::size_t(other.count()));
    for (int at = 0; at < other.count(); ++at) {
        if (!other.included(at) || theirsPaired[std::size_t(at)])
            continue;
        const std::vector<quint32> keys = other.tokens(at);
        tokenCount[std::size_t(at)] = int(keys.size());
        for (quint32 key : keys)
            index.push_back({key, at});
    }
    std::sort(index.begin(), index.end());
    struct Candidate
    {
        double score;
        int mine;
        int theirs;
    };
    std::vector<Candidate> candidates;
    SharedCount shared(other.count());
    for (int at = 0; at < count(); ++at) {
        if (!included(at) || minePaired[std::size_t(at)])
            continue;
        const std::vector<quint32> keys = tokens(at);
        shared.tally(keys, index, CommonToken, [&](int them, int count) {
            const double score = jaccard(count, int(keys.size()), tokenCount[std::size_t(them)]);
            if (score >= EditedAlike)
                candidates.push_back({score, at, them});
        });
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        if (a.score != b.score)
            return a.score > b.score;
        return a.mine != b.mine ? a.mine < b.mine : a.theirs < b.theirs;
    });
    for (const Candidate& candidate : candidates) {
        if (minePaired[std::size_t(candidate.mine)] || theirsPaired[std::size_t(candidate.theirs)])
            continue;
        minePaired[std::size_t(candidate.mine)] = true;
        theirsPaired[std::size_t(candidate.theirs)] = true;
        result.push_back({candidate.mine, candidate.theirs, false});
    }
    std::sort(result.begin(), result.end(),
              [](const Pair& a, const Pair& b) { return a.mine < b.mine; });
    return result;
}
