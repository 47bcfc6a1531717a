// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ImportDefaults.h"
#include "ImportPreviewEntry.h"
#include "QuestionFormat.h"

#include <functional>
#include <memory>
#include <vector>

class QuestionList;
class QuestionMatcher;
class ValidationTable;

// The rows of the import preview from what a format read: each row checked
// as a typed question is, then marked duplicate when the bank already holds
// the same question or an earlier row of the source gave it. Runs in the
// background; nothing here touches a widget.
class ImportPreviewBuilder
{
public:
    ImportPreviewBuilder(const ValidationTable& table, const QuestionList& bank);
    ~ImportPreviewBuilder();

    // Answers false to stop; the entries so far are then incomplete.
    using Progress = std::function<bool(int done, int total)>;
    // A tabular source's rows are read by its table's roles.
    std::vector<ImportPreviewEntry> build(const FormatReadResult& source, ImportDefaults defaults,
                                          const Progress& progress) const;

private:
    const ValidationTable& m_table;
    const QuestionList& m_bank;
    // Read from the bank on the first build: the bank stays as it is while
    // the preview is open.
    mutable std::unique_ptr<QuestionMatcher> m_matcher;
};
