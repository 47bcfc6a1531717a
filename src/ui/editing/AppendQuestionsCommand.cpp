// SPDX-License-Identifier: GPL-2.0-or-later
#include "AppendQuestionsCommand.h"

#include <QCoreApplication>

AppendQuestionsCommand::AppendQuestionsCommand(QuestionDocument& document,
                                               std::vector<QuestionDocument::NewLine> lines)
    : m_document(document), m_lines(std::move(lines))
{
    setText(QCoreApplication::translate("AppendQuestionsCommand", "Import %1 Questions")
                .arg(m_lines.size()));
}

void AppendQuestionsCommand::redo()
{
    m_document.appendRows(m_lines);
}

void AppendQuestionsCommand::undo()
{
    m_document.removeLastRows(int(m_lines.size()));
}
