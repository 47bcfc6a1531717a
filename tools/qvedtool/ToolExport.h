// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// qvedtool export: every line decoded in full into a cleared record and
// written in one of the interchange formats, to standard output or safely
// to a file. JSON and CSV give a line that does not decode its number and
// the message, and the export goes on.
class ToolExport
{
public:
    static int run(const QStringList& arguments);

    // The names --format takes.
    static QStringList writableFormats();
};
