// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>
#include <optional>

// qvedtool report: one of the editor's three report layouts over all the
// questions of a file or a range of them, into a PDF file. The range follows
// the report setup's rules.
class ToolReport
{
public:
    static int run(const QStringList& arguments);

private:
    struct Range
    {
        int beginning = 0;
        int end = 0;
    };
    // "B-E" with whole numbers as the setup's range boxes take them; a
    // beginning may carry a minus sign. When refused, problem says why.
    static std::optional<Range> parseRange(const QString& text, QString& problem);
};
