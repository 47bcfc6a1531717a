#pragma once

#include "QuestionRecord.h"
#include "QuestionTextIndex.h"
#include "RecordChecks.h"

#include <QStringList>

class QuestionList;
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
    ToolCheck(const QuestionList& list, const ValidationTable& table, bool validate,
              Utf8Output& out);

    // Checks every question and writes the summary; answers the exit status.
    int checkAll();
    // True when question index (0-based) has a problem.
    bool checkQuestion(int index);
    void checkRecord(int number);
    void checkStoredValues(int number, QByteArrayView line);
    size_t hashOfTexts() const;
    void checkRepeated(int index, size_t textHash);
    // Whether the line has the level (or letter) field at all, asked when it
    // reads as -1, which a missing field leaves in a cleared record too:
    // decoding again over another value tells the two apart.
    bool hasField(QByteArrayView line, qint16 QuestionRecord::*field);
    // The text of the line's first field as it stands, however long.
    static QByteArrayView firstField(QByteArrayView line);
    void report(int number, QStringView problem);

    static bool loadGivenTable(const QString& path, ValidationTable& table);

    const QuestionList& m_list;
    const ValidationTable& m_table;
    const bool m_validate;
    Utf8Output& m_out;
    QuestionRecord m_record;
    QuestionRecord m_probe;
    PanelValues m_panel;
    bool m_found = false;
    QuestionTextIndex m_firstWithText;
};
