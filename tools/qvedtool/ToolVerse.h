// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool verse: prints the text of the verses a reference names, read from
// an installed Bible module, so a reference can be checked from a script.
class ToolVerse
{
public:
    static int run(const QStringList& arguments);
};
