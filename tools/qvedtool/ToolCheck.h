#pragma once

#include "QuestionChecker.h"
#include "QuestionRecord.h"
#include "QuestionTextIndex.h"

#include <QStringList>

class QuestionFileChunks;
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
    ToolCheck(QuestionFileChunks& file, const ValidationTable& table, bool validate,
              Utf8Output& out);

    // Checks every question and writes the summary; answers the exit status.
    int checkAll();
    // Writes a checked chunk in file order, each question's lines followed by
    // the earlier question it repeats, if any.
    void writeChunk(const QuestionFileChunks::Chunk& chunk, const QuestionChecker::Block& block);
    // Whether the line and the earlier one starting at that file offset have
    // the same question and four answers.
    bool sameTexts(QByteArrayView line, qint64 earlierOffset);

    static bool loadGivenTable(const QString& path, ValidationTable& table);

    QuestionFileChunks& m_file;
    const ValidationTable& m_table;
    const bool m_validate;
    Utf8Output& m_out;
    QuestionRecord m_record;
    QuestionRecord m_probe;
    QuestionTextIndex m_firstWithText;
    int m_withProblems = 0;
};
