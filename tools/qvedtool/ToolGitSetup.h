// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool git-setup: makes git show question files readably and merge them
// question by question in the repository it is run in.
class ToolGitSetup
{
public:
    static int run(const QStringList& arguments);
};
