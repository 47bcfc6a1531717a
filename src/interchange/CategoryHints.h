// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct ImportRow;
struct QuestionRecord;

// How GIFT and Moodle XML carry what they have no field for: the book and
// level as the last parts of the category ("Gen./Single"), the reference
// as the question's title or name.
class CategoryHints
{
public:
    // "Gen./Single" for a record.
    static QString of(const QuestionRecord& record);

    // Fills the row from its category and title: a category naming a book
    // gives the book and level, and the title is then the reference;
    // otherwise both are hints where a reference may stand.
    static void apply(ImportRow& row, const QString& category, const QString& title);
};
