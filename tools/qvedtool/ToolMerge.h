// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool merge: merges two banks that grew from one, question by question
// and field by field; also git's merge driver for question files.
class ToolMerge
{
public:
    static int run(const QStringList& arguments);
};
