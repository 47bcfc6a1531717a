// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool import: questions from other programs' files (and other question
// files) through the panel's own checks into a question file. Each refused,
// changed or skipped question is named on standard error as
// "SOURCE:PLACE: reason"; nothing of a refused question is written.
class ToolImport
{
public:
    static int run(const QStringList& arguments);
};
