// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool recover: the unsaved changes the editor's recovery journal holds
// for a file, listed, and with -o written out as the recovered list. The way
// to get work back when the editor itself cannot start.
class ToolRecover
{
public:
    static int run(const QStringList& arguments);
};
