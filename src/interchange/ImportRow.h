// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// One question as a source format holds it, before any check: texts exactly
// as read (entities decoded, escapes undone, HTML reduced to text), nothing
// converted to the question file's own forms yet.
struct ImportRow
{
    QString place; // where it stands in the source: "line 6", "row 8", "question 3"
    QString question;
    QStringList answers; // as many as the source gave, in order
    QString correct;     // a letter A-D, a number 1-4, or the text of an answer
    QString reference;   // a whole reference ("Gen. 1:1", "Exodus 3:10"), when given
    QString book;        // a book apart from chapter and verse, when given so
    QString chapter;
    QString verse;
    QString level;     // a level's name or 1-4, when given
    QStringList hints; // title, category and tags: places where a reference may stand
};
