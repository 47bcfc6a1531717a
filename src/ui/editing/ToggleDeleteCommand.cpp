// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToggleDeleteCommand.h"

#include "QuestionDocument.h"

#include <QCoreApplication>

ToggleDeleteCommand::ToggleDeleteCommand(QuestionDocument& document, int firstGridRow,
                                         int lastGridRow)
    : m_document(document), m_firstGridRow(std::max(firstGridRow, 1)), m_lastGridRow(lastGridRow)
{
    setText(
        m_firstGridRow == m_lastGridRow
            ? QCoreApplication::translate("ToggleDeleteCommand", "Delete/Restore of question %1")
                  .arg(m_firstGridRow)
            : QCoreApplication::translate("ToggleDeleteCommand",
                                          "Delete/Restore of questions %1-%2")
                  .arg(m_firstGridRow)
                  .arg(m_lastGridRow));
}

std::vector<quint8> ToggleDeleteCommand::marksOfRange() const
{
    std::vector<quint8> marks;
    for (int gridRow = m_firstGridRow; gridRow <= m_lastGridRow; ++gridRow)
        marks.push_back(m_document.list().marks(gridRow - 1));
    return marks;
}

void ToggleDeleteCommand::redo()
{
    if (!m_after.empty()) {
        m_document.setMarks(m_firstGridRow - 1, m_after);
        return;
    }
    m_before = marksOfRange();
    m_document.toggleDeleteMarks(m_firstGridRow, m_lastGridRow);
    m_after = marksOfRange();
}

void ToggleDeleteCommand::undo()
{
    m_document.setMarks(m_firstGridRow - 1, m_before);
}
