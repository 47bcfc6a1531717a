// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ValidationTable.h"

#include <QStringList>

// qvedtool check: every question through the editor's record checks, as the
// detail panel would show it, plus what a stored line may not hold, texts
// longer than the editor keeps and questions that repeat an earlier one.
// One output line per problem, "N: " and the problem, then the summary. A
// validation table that cannot be read stops the check.
class ToolCheck
{
public:
    static int run(const QStringList& arguments);

private:
    // The table file given with --table: a regular file, loaded as the one
    // beside the program would be.
    static bool loadGivenTable(const QString& path, ValidationTable& table);
    // Why the table the programs find cannot be used, naming it.
    static QString unusableTable(const QString& path, ValidationTable::LoadOutcome outcome);
};
