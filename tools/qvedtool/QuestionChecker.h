#pragma once

#include "QuestionFileChunks.h"
#include "QuestionRecord.h"
#include "RecordChecks.h"
#include "Utf8Output.h"

#include <vector>

class ValidationTable;

// The checks of one question that need no other question: the editor's
// record checks on the line as the detail panel would show it, and what a
// stored line may not hold. Each problem is one output line, "N: " and the
// problem. Whether a question repeats an earlier one is asked afterwards, in
// file order, with the texts' hash this gives.
class QuestionChecker
{
public:
    struct Checked
    {
        qsizetype textEnd = 0; // where its lines end in the block's text
        quint64 textHash = 0;
        bool hasProblem = false;
        bool hasQuestion = false; // decoded, with a question text that may repeat
    };
    // What a chunk's questions gave, kept for the next chunk's buffers.
    struct Block
    {
        Utf8Output text;
        std::vector<Checked> questions;
    };

    QuestionChecker(const ValidationTable& table, bool validate);

    void checkChunk(const QuestionFileChunks::Chunk& chunk, Block& block);

private:
    Checked checkQuestion(int number, QByteArrayView line, Utf8Output& out);
    void checkRecord(int number, Utf8Output& out);
    void checkStoredValues(int number, QByteArrayView line, Utf8Output& out);
    // Whether the line has the level (or letter) field at all, asked when it
    // reads as -1, which a missing field leaves in a cleared record too:
    // decoding again over another value tells the two apart.
    bool hasField(QByteArrayView line, qint16 QuestionRecord::*field);
    // The text of the line's first field as it stands, however long.
    static QByteArrayView firstField(QByteArrayView line);
    void report(int number, QStringView problem, Utf8Output& out);

    const ValidationTable& m_table;
    const bool m_validate;
    QuestionRecord m_record;
    QuestionRecord m_probe;
    PanelBytes m_panel;
    bool m_found = false;
};
