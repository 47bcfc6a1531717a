// SPDX-License-Identifier: GPL-2.0-or-later
#include "CategoryHints.h"

#include "BookNames.h"
#include "BookTable.h"
#include "ExportTexts.h"
#include "ImportRow.h"
#include "ReferenceFinder.h"

QString CategoryHints::of(const QuestionRecord& record)
{
    return ExportTexts::book(record) + u'/' + ExportTexts::level(record);
}

void CategoryHints::apply(ImportRow& row, const QString& category, const QString& title)
{
    const QStringList parts = category.split(u'/');
    for (qsizetype index = parts.size() - 1; index >= 0; --index) {
        const QString part = parts[index].trimmed();
        if (row.level.isEmpty() && ExportTexts::levelOf(part) >= 0 && part.size() > 1)
            row.level = part;
        else if (row.book.isEmpty() && BookNames::indexOf(part) >= 0)
            row.book = part;
    }
    // A title such as "Q1" beside a Bible book is a name, not a reference.
    const int book = BookNames::indexOf(row.book);
    if (book >= 0 && (!IsBibleBook(book) || ReferenceFinder::parse(title))) {
        row.reference = title;
        return;
    }
    if (!title.isEmpty())
        row.hints.append(title);
    if (!category.isEmpty())
        row.hints.append(category);
}
