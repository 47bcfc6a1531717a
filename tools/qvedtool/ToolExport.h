// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool export: every line decoded in full into a cleared record, as a
// JSON array of objects or as CSV with a header row. A line that does not
// decode gives its number and the message, and the export goes on.
class ToolExport
{
public:
    static int run(const QStringList& arguments);
};
