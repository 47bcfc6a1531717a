// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool stats: how a file's questions spread over the books, the levels
// and the correct letters, with each letter's share, so an author sees at a
// glance whether the correct answers are balanced.
class ToolStats
{
public:
    static int run(const QStringList& arguments);
};
