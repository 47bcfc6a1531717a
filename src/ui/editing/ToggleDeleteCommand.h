// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QUndoCommand>
#include <vector>

class QuestionDocument;

// Delete/Restore over a range of rows, taken back in one step.
class ToggleDeleteCommand : public QUndoCommand
{
public:
    // Grid rows; the header row (0) is never toggled.
    ToggleDeleteCommand(QuestionDocument& document, int firstGridRow, int lastGridRow);

    void redo() override;
    void undo() override;

private:
    std::vector<quint8> marksOfRange() const;

    QuestionDocument& m_document;
    int m_firstGridRow;
    int m_lastGridRow;
    std::vector<quint8> m_before;
    std::vector<quint8> m_after;
};
