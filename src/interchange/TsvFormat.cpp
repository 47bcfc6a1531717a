// SPDX-License-Identifier: GPL-2.0-or-later
#include "TsvFormat.h"

#include "DelimitedExport.h"
#include "DelimitedText.h"

#include <QCoreApplication>

QString TsvFormat::name() const
{
    return QStringLiteral("tsv");
}

QString TsvFormat::title() const
{
    return QCoreApplication::translate("Interchange", "TSV (tab-separated)");
}

QStringList TsvFormat::suffixes() const
{
    return {QStringLiteral("tsv"), QStringLiteral("tab")};
}

bool TsvFormat::recognises(const QByteArray& head) const
{
    return DelimitedText::looksLikeText(head) &&
           DelimitedText::likelySeparator(head, "\t,;") == '\t';
}

FormatReadResult TsvFormat::read(const QByteArray& source) const
{
    return DelimitedExport::read(source, '\t');
}

QByteArray TsvFormat::write(const QList<QuestionRecord>& questions, QString*, QStringList*) const
{
    return DelimitedExport::write(questions, '\t');
}

QByteArray TsvFormat::writeLines(const QuestionList& list, QString*, QStringList*) const
{
    return DelimitedExport::writeLines(list, '\t');
}
