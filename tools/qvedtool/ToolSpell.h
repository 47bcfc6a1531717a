// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool spell: lists the misspelt words of every question and its
// answers, checked as the editor checks them: the dictionary, the Bible's
// own words and the author's list.
class ToolSpell
{
public:
    static int run(const QStringList& arguments);
};
