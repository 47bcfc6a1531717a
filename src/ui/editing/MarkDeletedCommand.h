// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QUndoCommand>
#include <vector>

class QuestionDocument;

// Marks chosen questions deleted, wherever they stand, in one step.
class MarkDeletedCommand : public QUndoCommand
{
public:
    // List indexes.
    MarkDeletedCommand(QuestionDocument& document, std::vector<int> indexes, const QString& text);

    void redo() override;
    void undo() override;

private:
    QuestionDocument& m_document;
    std::vector<int> m_indexes;
    std::vector<quint8> m_before;
};
