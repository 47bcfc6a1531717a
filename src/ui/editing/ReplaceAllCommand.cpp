// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReplaceAllCommand.h"

#include <QCoreApplication>

ReplaceAllCommand::ReplaceAllCommand(QuestionDocument& document,
                                     std::vector<QuestionDocument::CommittedLine> lines)
    : m_document(document), m_lines(std::move(lines))
{
    setText(QCoreApplication::translate("ReplaceAllCommand", "Replace All in %1 questions")
                .arg(m_lines.size()));
}

void ReplaceAllCommand::redo()
{
    m_before.clear();
    m_before.reserve(m_lines.size());
    for (const QuestionDocument::CommittedLine& committed : m_lines)
        m_before.emplace_back(committed.index, m_document.list().savedRow(committed.index));
    m_document.storeCommittedLines(m_lines);
}

void ReplaceAllCommand::undo()
{
    m_document.restoreRows(m_before);
}
