// SPDX-License-Identifier: GPL-2.0-or-later
#include "KahootFormat.h"

#include "ExportTexts.h"
#include "QuestionRecord.h"
#include "XlsxSheetReader.h"
#include "XlsxSheetWriter.h"

#include <QCoreApplication>

namespace {

// Row 7's names are the file's layout, the same in every language, so that
// recognises() knows the file again wherever it was written.
constexpr int Columns = 8;
constexpr int QuestionColumn = 1;
constexpr int FirstAnswerColumn = 2;
constexpr int TimeColumn = 6;
constexpr int CorrectColumn = 7;

QString cell(const QStringList& cells, int column)
{
    return column < cells.size() ? cells.at(column) : QString();
}

// Is the name of a column, whatever is written around the word.
bool names(const QStringList& cells, int column, QStringView word)
{
    return cell(cells, column).simplified().contains(word, Qt::CaseInsensitive);
}

} // namespace

const char* const KahootFormat::Header[8] = {
    "No.",
    "Question (up to 120 characters)",
    "Answer 1 (up to 75 characters)",
    "Answer 2 (up to 75 characters)",
    "Answer 3 (up to 75 characters)",
    "Answer 4 (up to 75 characters)",
    "Time limit (seconds)",
    "Correct answer (1-4)",
};

QString KahootFormat::title() const
{
    return QCoreApplication::translate("KahootFormat", "Kahoot! quiz spreadsheet");
}

bool KahootFormat::isHeader(const QStringList& cells)
{
    return names(cells, QuestionColumn, u"question") && names(cells, 2, u"answer 1") &&
           names(cells, 3, u"answer 2") && names(cells, 4, u"answer 3") &&
           names(cells, 5, u"answer 4") && names(cells, TimeColumn, u"time") &&
           names(cells, CorrectColumn, u"correct");
}

bool KahootFormat::recognises(const QByteArray& head) const
{
    if (!head.startsWith("PK"))
        return false;
    QString error;
    QList<int> numbers;
    const SourceTable sheet = XlsxSheetReader::read(head, &error, &numbers);
    const qsizetype header = numbers.indexOf(HeaderRow);
    return header >= 0 && isHeader(sheet.rows.at(header));
}

FormatReadResult KahootFormat::read(const QByteArray& source) const
{
    FormatReadResult result;
    QList<int> numbers;
    const SourceTable sheet = XlsxSheetReader::read(source, &result.error, &numbers);
    if (result.error.isEmpty())
        result.rows = rowsOf(sheet, numbers);
    return result;
}

QList<ImportRow> KahootFormat::rowsOf(const SourceTable& sheet, const QList<int>& numbers)
{
    QList<ImportRow> rows;
    for (qsizetype index = 0; index < sheet.rows.size(); ++index) {
        if (numbers.at(index) <= HeaderRow)
            continue;
        const QStringList& cells = sheet.rows.at(index);
        ImportRow row;
        row.place = sheet.places.at(index);
        row.question = cell(cells, QuestionColumn);
        // As many answers as the row gives, up to the last one filled.
        for (int column = FirstAnswerColumn + 3; column >= FirstAnswerColumn; --column) {
            if (!cell(cells, column).isEmpty() || !row.answers.isEmpty())
                row.answers.prepend(cell(cells, column));
        }
        row.correct = cell(cells, CorrectColumn);
        // A row of a number or a time limit alone is the template's, not a question.
        if (row.question.isEmpty() && row.answers.isEmpty())
            continue;
        rows.append(row);
    }
    return rows;
}

QByteArray KahootFormat::write(const QList<QuestionRecord>& questions, QString* error,
                               QStringList* notes) const
{
    XlsxSheetWriter sheet;
    sheet.open();
    sheet.writeText(0, QuestionColumn,
                    QCoreApplication::translate("KahootFormat", "Kahoot! quiz").toUtf8());
    sheet.writeText(
        1, QuestionColumn,
        QCoreApplication::translate("KahootFormat", "%1 questions from a question bank.")
            .arg(questions.size())
            .toUtf8());
    sheet.writeText(2, QuestionColumn,
                    QCoreApplication::translate(
                        "KahootFormat",
                        "From row 8: the question in B, the four answers in C to F, the time "
                        "limit in seconds in G, the number of the right answer in H.")
                        .toUtf8());
    for (int column = 0; column < Columns; ++column)
        sheet.writeText(HeaderRow - 1, column, QByteArray(Header[column]));
    for (qsizetype index = 0; index < questions.size(); ++index) {
        const QuestionRecord& record = questions.at(index);
        const int row = HeaderRow + int(index); // from 0: sheet row 8 is 7
        const int number = int(index) + 1;
        sheet.writeNumber(row, 0, number);
        const QString question = ExportTexts::question(record);
        if (question.size() > MaxQuestion)
            notes->append(QCoreApplication::translate(
                              "KahootFormat",
                              "question %1 (row %2): the question has %3 characters, Kahoot! "
                              "takes %4; it is written whole, to be shortened in Kahoot!.")
                              .arg(number)
                              .arg(row + 1)
                              .arg(question.size())
                              .arg(MaxQuestion));
        sheet.writeText(row, QuestionColumn, question.toUtf8());
        for (int answer = 0; answer < 4; ++answer) {
            const QString text = ExportTexts::answer(record, answer);
            if (text.size() > MaxAnswer)
                notes->append(QCoreApplication::translate(
                                  "KahootFormat",
                                  "question %1 (row %2): answer %3 has %4 characters, Kahoot! "
                                  "takes %5; it is written whole, to be shortened in Kahoot!.")
                                  .arg(number)
                                  .arg(row + 1)
                                  .arg(answer + 1)
                                  .arg(text.size())
                                  .arg(MaxAnswer));
            sheet.writeText(row, FirstAnswerColumn + answer, text.toUtf8());
        }
        sheet.writeNumber(row, TimeColumn, TimeLimit);
        if (record.Correct >= 0 && record.Correct < 4)
            sheet.writeNumber(row, CorrectColumn, record.Correct + 1);
    }
    QByteArray bytes = sheet.finish();
    if (bytes.isEmpty())
        *error = sheet.error();
    return bytes;
}
