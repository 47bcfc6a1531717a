// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool build-test: a test of chosen questions in several shuffled
// versions, each as question lines, a test PDF and a key PDF.
class ToolBuildTest
{
public:
    static int run(const QStringList& arguments);
};
