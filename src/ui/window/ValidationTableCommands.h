// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "TableLocations.h"
#include "ValidationTable.h"

class QWidget;
class UserPrompts;

// Loading the validation table the window checks references with, and
// Options > Rebuild Validation Table; a table that cannot be read is named
// to the author.
class ValidationTableCommands
{
public:
    // folders: where the table is looked for, in order; the program folder
    // alone when empty.
    ValidationTableCommands(ValidationTable& table, const QString& programFolder,
                            const QStringList& folders, ValidationTable::Builder builder,
                            UserPrompts& prompts, QWidget* window);

    void load();
    void rebuild();

private:
    void report(ValidationTable::LoadOutcome outcome, const QString& path);

    ValidationTable& m_table;
    TableLocations m_locations;
    ValidationTable::Builder m_builder;
    UserPrompts& m_prompts;
    QWidget* m_window;
};
