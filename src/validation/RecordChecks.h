// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class ValidationTable;
struct QuestionRecord;

// What the detail panel holds when a question is about to be stored.
struct PanelValues
{
    int book = -1; // book selector index, -1 none
    QString reference;
    bool validate = true;
    int level = -1;   // -1 none
    int correct = -1; // -1 none
    QString question;
    QString answerA;
    QString answerB;
    QString answerC;
    QString answerD;
};

// What the panel shows for a decoded question: a book outside the table
// shows none, a level or letter above the last item shows the last item and
// one below shows none, and only a Bible book is checked against the table.
PanelValues PanelValuesOf(const QuestionRecord& record);

struct CheckOutcome
{
    bool passed = true;
    QString report; // the heading and one line per problem, CR LF after each
};

// The check report's first line, as written; TranslatedCheckReportHeading()
// is the same line in the user's language, as the report holds it.
extern const QString CheckReportHeading;
QString TranslatedCheckReportHeading();

// The checks that gate every commit: the reference against the validation
// table (when asked and loaded), then the completeness of every field, then
// the characters a question line cannot hold. A reference piece that is not
// an integer throws the conversion error and no report is made.
CheckOutcome CheckRecord(const PanelValues& panel, const ValidationTable& table);

// Appends the chapter and verse lines; true when the reference passed.
bool ValidateReference(const QString& reference, int book, const ValidationTable& table,
                       QString& report);
