// SPDX-License-Identifier: GPL-2.0-or-later
#include "MarkDeletedCommand.h"

#include "QuestionDocument.h"

MarkDeletedCommand::MarkDeletedCommand(QuestionDocument& document, std::vector<int> indexes,
                                       const QString& text)
    : m_document(document), m_indexes(std::move(indexes))
{
    setText(text);
}

void MarkDeletedCommand::redo()
{
    m_before.clear();
    for (int index : m_indexes) {
        const quint8 marks = m_document.list().marks(index);
        m_before.push_back(marks);
        m_document.setMarks(index, {quint8(marks | QuestionList::DeletedMark)});
    }
}

void MarkDeletedCommand::undo()
{
    for (std::size_t at = 0; at < m_indexes.size(); ++at)
        m_document.setMarks(m_indexes[at], {m_before[at]});
}
