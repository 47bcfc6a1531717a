#pragma once

#include "QuestionChecker.h"
#include "QuestionRecord.h"
#include "QuestionTextIndex.h"

#include <QStringList>

class QuestionFileLines;
class Utf8Output;
class ValidationTable;

// qvedtool check: every question through the editor's record checks, as the
// detail panel would show it, plus what a stored line may not hold and
// questions that repeat an earlier one. One output line per problem,
// "N: " and the problem, then the summary.
class ToolCheck
{
public:
    static int run(const QStringList& arguments);

private:
    // Questions a thread checks at a time.
    static constexpr int BlockSize = 2048;

    ToolCheck(const QuestionFileLines& list, const ValidationTable& table, bool validate,
              Utf8Output& out);

    // Checks every question and writes the summary; answers the exit status.
    int checkAll();
    // Writes a checked block in file order, each question's lines followed by
    // the earlier question it repeats, if any.
    void writeBlock(const QuestionChecker::Block& block);
    // Whether the two questions have the same question and four answers.
    bool sameTexts(int index, int other);

    static bool loadGivenTable(const QString& path, ValidationTable& table);

    const QuestionFileLines& m_list;
    const ValidationTable& m_table;
    const bool m_validate;
    Utf8Output& m_out;
    QuestionRecord m_record;
    QuestionRecord m_probe;
    QuestionTextIndex m_firstWithText;
    int m_withProblems = 0;
};
