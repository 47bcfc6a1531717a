#pragma once

#include <QByteArrayView>
#include <QString>

class ValidationTable;

// What the detail panel holds when a question is about to be stored.
template <typename Text> struct BasicPanelValues
{
    int book = -1; // book selector index, -1 none
    Text reference;
    bool validate = true;
    int level = -1;   // -1 none
    int correct = -1; // -1 none
    Text question;
    Text answerA;
    Text answerB;
    Text answerC;
    Text answerD;
};

// The panel's own texts.
using PanelValues = BasicPanelValues<QString>;
// The texts as a question file's Windows-1252 bytes, for checking the lines
// of a whole file without converting every text first. Each byte stands for
// a character the code page holds, so only the double quote and the line
// breaks can make such a text unstorable.
using PanelBytes = BasicPanelValues<QByteArrayView>;

struct CheckOutcome
{
    bool passed = true;
    QString report; // the heading and one line per problem, CR LF after each
};

extern const QString CheckReportHeading;

// The checks that gate every commit: the reference against the validation
// table (when asked and loaded), then the completeness of every field, then
// the characters a question line cannot hold. A reference piece that is not
// an integer throws the conversion error and no report is made.
CheckOutcome CheckRecord(const PanelValues& panel, const ValidationTable& table);
CheckOutcome CheckRecord(const PanelBytes& panel, const ValidationTable& table);

// Appends the chapter and verse lines; true when the reference passed.
bool ValidateReference(const QString& reference, int book, const ValidationTable& table,
                       QString& report);
