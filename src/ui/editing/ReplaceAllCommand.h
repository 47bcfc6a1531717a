// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionDocument.h"

#include <QUndoCommand>
#include <vector>

// Replace All: every changed question in one step, taken back at once.
class ReplaceAllCommand : public QUndoCommand
{
public:
    ReplaceAllCommand(QuestionDocument& document,
                      std::vector<QuestionDocument::CommittedLine> lines);

    void redo() override;
    void undo() override;

private:
    QuestionDocument& m_document;
    // The new lines, stored again on every redo: each commit leaves its row
    // the same way, so only the rows before it are kept.
    std::vector<QuestionDocument::CommittedLine> m_lines;
    std::vector<std::pair<int, QuestionList::SavedRow>> m_before;
};
