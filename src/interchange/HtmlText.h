// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// HTML as quiz programs store question texts, reduced to the plain text a
// question line holds: tags left out (a paragraph or line break is a space),
// entities decoded, runs of white space one space.
class HtmlText
{
public:
    static QString plain(QStringView html);
    // One entity's character from its name or number ("amp", "#8220",
    // "#x201C"); empty when it names none.
    static QString entity(QStringView name);
};
