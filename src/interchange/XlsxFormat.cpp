// SPDX-License-Identifier: GPL-2.0-or-later
#include "XlsxFormat.h"

#include "BookTable.h"
#include "ColumnRoles.h"
#include "DelimitedText.h"
#include "KahootFormat.h"
#include "QuestionRecord.h"
#include "Windows1252.h"
#include "XlsxSheetReader.h"
#include "XlsxSheetWriter.h"

#include <QCoreApplication>

namespace {

// A field's Windows-1252 bytes as the UTF-8 a sheet holds.
QByteArray utf8(QByteArrayView bytes)
{
    return Windows1252::toUnicode(bytes).toUtf8();
}

} // namespace

QString XlsxFormat::title() const
{
    return QCoreApplication::translate("Interchange", "Excel workbook (XLSX)");
}

bool XlsxFormat::recognises(const QByteArray& head) const
{
    // Part names stand unpacked in the archive's headers, the workbook's
    // among the first.
    return head.startsWith("PK\x03\x04") && head.contains("xl/");
}

FormatReadResult XlsxFormat::read(const QByteArray& source) const
{
    FormatReadResult result;
    QList<int> numbers;
    result.table = XlsxSheetReader::read(source, &result.error, &numbers);
    if (!result.error.isEmpty())
        return result;
    // Kahoot's sheet is known by its row 7, which the first bytes a
    // detection looks at may not reach.
    const qsizetype kahootHeader = numbers.indexOf(KahootFormat::HeaderRow);
    if (kahootHeader >= 0 && KahootFormat::isHeader(result.table.rows.at(kahootHeader))) {
        result.rows = KahootFormat::rowsOf(result.table, numbers);
        result.table = {};
        return result;
    }
    result.tabular = true;
    ColumnRoles::detectHeader(result.table);
    if (result.table.hasHeader)
        result.rows = ColumnRoles::rowsOf(result.table);
    return result;
}

QByteArray XlsxFormat::write(const QList<QuestionRecord>& questions, QString* error,
                             QStringList*) const
{
    XlsxSheetWriter sheet;
    sheet.open();
    const QList<QByteArray> header = DelimitedText::header('\t').trimmed().split('\t');
    for (int column = 0; column < header.size(); ++column)
        sheet.writeText(0, column, header.at(column));
    // The CSV export's columns: number, CanonicalNbr, Book, BookAbbreviation,
    // Level, Correct, Reference, Question, AnswerA to AnswerD, Deleted, error.
    // Book, Level and Correct are indexes from 0, as there.
    for (qsizetype index = 0; index < questions.size(); ++index) {
        const QuestionRecord& r = questions.at(index);
        const int row = int(index) + 1;
        sheet.writeNumber(row, 0, double(row));
        sheet.writeText(row, 1, utf8(r.CanonicalNbr.view()));
        sheet.writeNumber(row, 2, r.Book);
        if (r.Book >= 0 && r.Book < BookCount)
            sheet.writeText(row, 3, utf8(BookAbbreviation(r.Book)));
        sheet.writeNumber(row, 4, r.Level);
        sheet.writeNumber(row, 5, r.Correct);
        sheet.writeText(row, 6, utf8(r.Reference.view()));
        sheet.writeText(row, 7, utf8(r.Question.view()));
        sheet.writeText(row, 8, utf8(r.AnswerA.view()));
        sheet.writeText(row, 9, utf8(r.AnswerB.view()));
        sheet.writeText(row, 10, utf8(r.AnswerC.view()));
        sheet.writeText(row, 11, utf8(r.AnswerD.view()));
        sheet.writeText(row, 12, QByteArrayLiteral("false"));
    }
    QByteArray bytes = sheet.finish();
    if (bytes.isEmpty())
        *error = sheet.error();
    return bytes;
}
