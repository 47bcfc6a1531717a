// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool refcheck: lists the questions whose right answer is not in the
// verse they cite, read from an installed Bible module.
class ToolRefcheck
{
public:
    static int run(const QStringList& arguments);
};
