// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BibleLanguage.h"

#include <QByteArrayView>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>
#include <vector>

class BibleLookup;
class QuestionList;

// Whether each question's right answer stands in the verse it cites: the
// words of the answer (WordKeys) against the words of the verse, read from
// the Bible module. A suspect is a question whose answer is in a verse near
// the cited one, whose verse names another answer, or whose answer is not
// near the verse at all. Each chapter is read once.
//
// An answer "is in" a text when all of its content words are there, or,
// for an answer of three or more content words, at least two thirds of
// them (rounded up): an author shortens and rewords a long answer, and
// letting one word go keeps such answers from crying wolf.
class ReferenceCheck
{
public:
    enum class Verdict
    {
        Fine,           // the right answer is in the cited verse
        Nearby,         // not there, but in a verse within three in the same chapter
        OtherLetter,    // a wrong answer is in the verse and the right one is not
        NotFound,       // neither the verse nor its neighbours hold it
        NoVerseText,    // left out: no Bible book, no verse, or a whole chapter
        NoContentWords, // left out: the right answer has nothing but common words
    };

    struct Question
    {
        int number = 0;    // 1-based in the file
        int book = -1;     // book table index, -1 for none
        QString reference; // as the editor reads it: without the book for a Bible book
        QString written;   // as the file writes it ("Gen. 5:24"); empty: as reference
        int correct = -1;  // 0 = A .. 3 = D, -1 for none
        std::array<QString, 4> answers;

        // Nothing when the line does not decode.
        static std::optional<Question> fromLine(int number, QByteArrayView line);
    };

    struct Finding
    {
        int number = 0;
        Verdict verdict = Verdict::NoVerseText;
        QString reference;       // as the file writes it
        QString shown;           // the reference with its book named ("Gen. 5:24")
        QString suggestion;      // Nearby: the reference as the file would write it
        QString shownSuggestion; // and with its book named
        QString verseTitle;      // "Genesis 5:24", the verses compared
        QString verse;           // their text
        QString foundTitle;      // Nearby: the verse that holds the answer
        QString foundVerse;
        int namedLetter = -1; // OtherLetter: the answer the verse names
        QStringList matched;  // the keys (WordKeys) of the answer found

        bool suspect() const
        {
            return verdict == Verdict::Nearby || verdict == Verdict::OtherLetter ||
                   verdict == Verdict::NotFound;
        }
        bool leftOut() const
        {
            return verdict == Verdict::NoVerseText || verdict == Verdict::NoContentWords;
        }
        // "answer in Gen. 5:21", "the verse names answer C: is the letter
        // right?", "answer not found near Gen. 5:23"; empty when fine or
        // left out.
        QString message() const;
        // A short word for scripts: "nearby", "letter", "not-found", or
        // "fine", "no-verse", "no-words".
        QString kind() const;
    };

    struct Summary
    {
        int questions = 0;
        int fine = 0;
        int suspects = 0;
        int noVerseText = 0;
        int noContentWords = 0;
    };

    // Answers false to stop.
    using Progress = std::function<bool(int done)>;

    // The lookup stays the caller's and must not be used elsewhere meanwhile.
    // Words are compared by the rules of the module's language.
    explicit ReferenceCheck(const BibleLookup& bible);

    // One finding a question, in the questions' order; none when stopped.
    std::vector<Finding> check(const std::vector<Question>& questions,
                               const Progress& progress = {}) const;

    // The questions of a list that are not marked deleted and decode.
    static std::vector<Question> questions(const QuestionList& list);
    static Summary summarize(const std::vector<Finding>& findings);
    // Whether the keys of an answer are in a text's keys, by the rule above;
    // the keys found go to matched when given.
    static bool holds(const QStringList& answer, const QSet<QString>& text,
                      QStringList* matched = nullptr);

private:
    const BibleLookup& m_bible;
    BibleLanguage::Language m_language;
};
