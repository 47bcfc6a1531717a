// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportDefaults.h"
#include "ImportRow.h"
#include "ImportedQuestion.h"

class ValidationTable;

// Turns what a source gave into a question line through the same record
// checks as a question typed into the panel: the reference found (in its
// column, a hint or the question's text) and checked against the table,
// typographic quotes, spaces for line breaks, and every change listed.
class ImportRowChecker
{
public:
    ImportRowChecker(const ValidationTable& table, ImportDefaults defaults);

    ImportedQuestion check(const ImportRow& row) const;

private:
    const ValidationTable& m_table;
    ImportDefaults m_defaults;
};
