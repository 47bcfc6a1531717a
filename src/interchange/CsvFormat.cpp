// SPDX-License-Identifier: GPL-2.0-or-later
#include "CsvFormat.h"

#include "DelimitedExport.h"
#include "DelimitedText.h"

#include <QCoreApplication>

QString CsvFormat::name() const
{
    return QStringLiteral("csv");
}

QString CsvFormat::title() const
{
    return QCoreApplication::translate("Interchange", "CSV (comma-separated)");
}

QStringList CsvFormat::suffixes() const
{
    return {QStringLiteral("csv")};
}

bool CsvFormat::recognises(const QByteArray& head) const
{
    return DelimitedText::looksLikeText(head) && DelimitedText::likelySeparator(head, ",;") != 0;
}

FormatReadResult CsvFormat::read(const QByteArray& source) const
{
    return DelimitedExport::read(source, 0);
}

QByteArray CsvFormat::write(const QList<QuestionRecord>& questions, QString*, QStringList*) const
{
    return DelimitedExport::write(questions, ',');
}

QByteArray CsvFormat::writeLines(const QuestionList& list, QString*, QStringList*) const
{
    return DelimitedExport::writeLines(list, ',');
}
