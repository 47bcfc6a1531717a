// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BookTable.h"
#include "QuestionRecord.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>
#include <vector>

class QuestionList;
class ValidationTable;

// Draws a printed test from a question list: the same chosen questions in
// every version, each version in its own order with its answers shuffled
// and its correct letters spread evenly. Everything random comes from one
// seeded generator and a shuffle of our own, so a seed gives the same
// bytes on every system.
class TestBuilder
{
public:
    static constexpr int LevelCount = 4;
    static constexpr int MaxVersions = 26;

    struct Choices
    {
        std::array<bool, BookCount> books = allBooks();
        std::array<bool, LevelCount> levels{true, true, true, true};
        int count = 20;
        int versions = 1;
        bool shuffleQuestions = true;
        bool shuffleAnswers = true;
        quint32 seed = 1;
    };

    struct Version
    {
        QChar letter;
        std::vector<QuestionRecord> questions;
        // The questions as question lines, CR LF after each.
        QByteArray lines() const;
    };

    // Checks every line once; questions marked deleted or failing the
    // record checks are never offered. The list must outlive the builder.
    TestBuilder(const QuestionList& list, const ValidationTable& table);

    // List indexes of the questions the choices allow, in file order.
    std::vector<int> eligible(const Choices& choices) const;

    // The versions, or none with the reason in problem.
    std::vector<Version> build(const Choices& choices, QString& problem) const;

    // An answer that points at other answers by their place ("All of the
    // above", "Both A and B", "C"): its question's answers stay put.
    static bool isFixedAnswer(QByteArrayView answer);
    static bool hasFixedAnswer(const QuestionRecord& record);

    // "Gen.-Deut." (a range in book-table order) or "Gen.,Ex.,Ps."; the
    // abbreviations as in the book table, the period and case optional.
    static std::optional<std::array<bool, BookCount>> parseBooks(const QString& text,
                                                                 QString& problem);
    static constexpr std::array<bool, BookCount> allBooks()
    {
        std::array<bool, BookCount> all{};
        all.fill(true);
        return all;
    }
    // A seed for a new test, different each time it is asked.
    static quint32 newSeed();

private:
    struct Candidate
    {
        int index = 0;
        qint16 book = 0;
        qint16 level = 0;
    };

    const QuestionList& m_list;
    std::vector<Candidate> m_passing;
};
