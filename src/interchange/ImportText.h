// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The repairs an imported text gets before the record checks: what a
// question line cannot hold but has a plain equivalent. Each change is
// listed in notes, naming the field ("the question", "answer B").
class ImportText
{
public:
    // Line breaks become spaces; straight double quotes, which delimit the
    // fields of a question line, become typographic ones: an opening one at
    // the start of a word, a closing one otherwise.
    static QString repaired(QStringView text, const QString& field, QStringList* notes);

    // Whether every character fits Windows-1252. When one does not and
    // replace is false, refusal names the first one and where it stands;
    // with replace, each is replaced by its nearest plain form (an accented
    // letter by its base letter, a dash by a hyphen, else "?") and listed.
    static bool fitCodePage(QString& text, const QString& field, bool replace, QStringList* notes,
                            QString* refusal);

    // "“→” (U+2192)": a character as messages name it.
    static QString named(char32_t character);
};
