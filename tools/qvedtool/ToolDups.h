// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool dups: the groups of questions that are the same or nearly the
// same, so an author can clean a bank that grew from several hands.
class ToolDups
{
public:
    static int run(const QStringList& arguments);
};
