// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool diff: the questions added, removed and changed from one bank to
// another, matched by content; also git's textconv for question files.
class ToolDiff
{
public:
    static int run(const QStringList& arguments);

private:
    static int textconv(const QString& file);
};
