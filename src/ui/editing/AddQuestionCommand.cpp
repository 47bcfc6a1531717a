// SPDX-License-Identifier: GPL-2.0-or-later
#include "AddQuestionCommand.h"

#include "QuestionDocument.h"

#include <QCoreApplication>

AddQuestionCommand::AddQuestionCommand(QuestionDocument& document, QByteArray line,
                                       QByteArray question)
    : m_document(document), m_line(std::move(line)), m_question(std::move(question))
{
    setText(QCoreApplication::translate("AddQuestionCommand", "New Question %1")
                .arg(document.list().count() + 1));
}

void AddQuestionCommand::redo()
{
    if (m_done) {
        m_document.appendRow(m_added);
        return;
    }
    const int index = m_document.appendRow(m_line, m_question);
    m_added = m_document.list().savedRow(index);
    m_done = true;
}

void AddQuestionCommand::undo()
{
    m_document.removeLastRow();
}
