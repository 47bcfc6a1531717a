#pragma once

#include "QuestionRecord.h"

#include <QByteArray>
#include <QStringView>

class ValidationTable;

// The checks of one question that need no other question: the editor's
// record checks on the panel values the question would show, and what a
// stored line may not hold. Each problem is one output line, "N: " and the
// problem. Whether a question repeats an earlier one is asked afterwards, in
// file order, with the hash of its texts this gives.
class QuestionChecker
{
public:
    struct Checked
    {
        size_t textHash = 0;
        bool hasQuestion = false; // decoded, with a question text that may repeat
        bool hasProblem = false;
    };

    QuestionChecker(const ValidationTable& table, bool validate);

    // Appends the question's problems to out.
    Checked check(int number, QByteArrayView line, QByteArray& out);

    // Whether two lines that decode have the same question and four answers.
    static bool sameTexts(QByteArrayView line, QByteArrayView other);

private:
    void checkRecord(int number, QByteArray& out);
    void checkStoredValues(int number, QByteArrayView line, int fields, QByteArray& out);
    void report(int number, QStringView problem, QByteArray& out);

    const ValidationTable& m_table;
    const bool m_validate;
    QuestionRecord m_record;
    bool m_found = false;
};
