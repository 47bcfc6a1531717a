// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionRecord.h"

#include <QString>
#include <functional>
#include <unordered_map>

class QuestionList;
class ValidationTable;

// The checks of a whole question bank, the same for the command-line tool
// and the editor: the editor's record checks on the panel values each
// question would show, what a stored line may not hold, texts longer than
// the editor keeps, and questions whose question and four answers, read
// whole, repeat an earlier one.
class BankCheck
{
public:
    struct Problem
    {
        int number = 0; // the question's number, from 1
        QString text;
    };
    using Found = std::function<void(const Problem& problem)>;
    // Told how many questions were checked so far; false stops the check.
    using Progress = std::function<bool(int checked)>;

    BankCheck(const ValidationTable& table, bool validate);

    // Checks questions in file order, telling each problem as it is found
    // (a question's repeat after its own problems); returns how many
    // questions had a problem. Progress, when given, is told every few
    // thousand questions.
    int checkList(const QuestionList& list, const Found& found, const Progress& progress = {});

    // One question's own problems, without the repeat test; true when it
    // had any.
    bool checkQuestion(int number, QByteArrayView line, const Found& found);

private:
    void checkRecord(int number, const Found& found);
    void checkStoredValues(int number, QByteArrayView line, int fields, const Found& found);
    // The number of the first earlier question with the same texts, or 0;
    // the question is remembered when it has none.
    int earlierWithSameTexts(const QuestionList& list, int index);

    const ValidationTable& m_table;
    const bool m_validate;
    QuestionRecord m_record;
    bool m_decoded = false;
    // The first question with each hash of texts; a hash shared by other
    // texts keeps an entry for each.
    std::unordered_multimap<size_t, int> m_firstWithTexts;
};
