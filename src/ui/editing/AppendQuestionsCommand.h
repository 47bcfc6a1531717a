// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionDocument.h"

#include <QUndoCommand>
#include <vector>

// Questions brought in from another file: appended at the end of the list in
// one step, journalled as one change, and taken back at once.
class AppendQuestionsCommand : public QUndoCommand
{
public:
    AppendQuestionsCommand(QuestionDocument& document,
                           std::vector<QuestionDocument::NewLine> lines);

    void redo() override;
    void undo() override;

private:
    QuestionDocument& m_document;
    // Appending the same lines leaves the rows the same way every time.
    std::vector<QuestionDocument::NewLine> m_lines;
};
