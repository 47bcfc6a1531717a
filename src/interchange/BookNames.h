// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringView>

// The names an author writes for a book: the full name, the stored
// abbreviation and the common short forms, with or without a period, and
// numbered books as "1 Sam.", "1Sam", "I Samuel" or "First Samuel".
class BookNames
{
public:
    // The book table index the name stands for, or -1.
    static int indexOf(QStringView name);

    // The name in the form the table is keyed by: lower case, no periods,
    // single spaces, a leading Roman or spelt-out number as a digit.
    static QString folded(QStringView name);
};
