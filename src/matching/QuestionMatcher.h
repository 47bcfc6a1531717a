// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionFields.h"

#include <QtGlobal>
#include <functional>
#include <memory>
#include <vector>

class QuestionList;

// Tells which questions of a bank are the same or nearly the same, and
// which question of one bank is which of another: the one judgement behind
// the duplicate finder, comparing and merging banks, and the duplicate marks
// of an import.
//
// The same question: the question and the four answers are equal once case,
// spaces and punctuation are folded, whatever the order of the answers.
// Nearly the same: the same right answer's text, and either wording whose
// word pairs overlap by at least the threshold (their Jaccard index) or the
// same reference. Candidates are found through sorted indexes of word pairs,
// never by comparing every pair of questions.
//
// The matcher reads the list's lines and keeps a few words of each; the list
// must outlive it and stay unchanged while it is used. Its const functions
// may read the wording the first time: one thread at a time.
class QuestionMatcher
{
public:
    explicit QuestionMatcher(const QuestionList& list, bool skipDeleted = true);
    ~QuestionMatcher();

    int count() const { return int(m_questions.size()); }
    // Whether the question at this list index takes part (it is not deleted).
    bool included(int index) const { return m_questions[index].included; }
    QuestionFields fields(int index) const;

    // Equal for the same question.
    static quint64 sameKey(const QuestionFields& question);
    // Whether an included question is the same as this one.
    bool holdsSame(const QuestionFields& question) const;

    struct Group
    {
        bool same = false;        // every member is the same question
        std::vector<int> members; // list indexes, ascending
    };
    // Cancelled when progress answers false; the groups so far are then lost.
    using Progress = std::function<bool(int done, int total)>;
    // The groups of two or more, ordered by their first member; empty when
    // cancelled.
    std::vector<Group> duplicateGroups(double threshold, const Progress& progress = {}) const;

    struct Similar
    {
        int index = -1; // -1: none reaches the threshold
        double similarity = 0;
    };
    // The included question whose wording is closest to this question's,
    // other than the one at except. The first call builds an index of the
    // wording.
    Similar closest(QByteArrayView question, double threshold, int except = -1) const;

    // How alike two wordings are, 0 to 1.
    static double wordingSimilarity(QByteArrayView a, QByteArrayView b);

    struct Pair
    {
        int mine = -1;
        int theirs = -1;
        bool identical = false; // every field is equal
    };
    // Each included question of this bank paired with at most one of the
    // other's: identical questions first, in order, then the most alike of
    // the rest. Unpaired questions were added or removed.
    std::vector<Pair> pairWith(const QuestionMatcher& other) const;

private:
    struct Question
    {
        quint64 same = 0;
        quint64 exact = 0;     // the whole line
        quint32 answer = 0;    // the right answer's folded text; 0 when none
        quint32 reference = 0; // book and reference; 0 when none
        quint32 firstShingle = 0;
        quint16 shingleCount = 0;
        bool included = false;
    };
    struct Posting
    {
        quint32 key;
        qint32 index;
        friend bool operator<(const Posting& a, const Posting& b)
        {
            return a.key != b.key ? a.key < b.key : a.index < b.index;
        }
    };

    class SharedCount;
    static std::vector<quint32> shingles(QByteArrayView question);
    // Reads the wording of every question, once: what duplicates and the
    // wording lookup need, and comparing banks does not.
    void readWording() const;
    // The tokens of every field, each tagged with its field.
    std::vector<quint32> tokens(int index) const;

    const QuestionList& m_list;
    mutable std::vector<Question> m_questions;
    mutable bool m_wordingRead = false;
    mutable std::vector<quint32> m_shingles; // each question's word pairs, sorted
    mutable std::vector<quint64> m_sameKeys; // of the included questions, sorted
    mutable std::vector<Posting> m_wordingIndex;
    mutable std::unique_ptr<SharedCount> m_lookupCount;
};
