// SPDX-License-Identifier: GPL-2.0-or-later
#include "EditQuestionCommand.h"

#include "QuestionDocument.h"

#include <QCoreApplication>

EditQuestionCommand::EditQuestionCommand(QuestionDocument& document, int index, QByteArray line,
                                         QByteArray question)
    : m_document(document), m_index(index), m_line(std::move(line)), m_question(std::move(question))
{
    setText(
        QCoreApplication::translate("EditQuestionCommand", "Edit of question %1").arg(index + 1));
}

void EditQuestionCommand::redo()
{
    // The first time the commit itself runs; after an undo the row is put
    // back exactly as the commit left it.
    if (m_done) {
        m_document.restoreRow(m_index, m_after);
        return;
    }
    m_before = m_document.list().savedRow(m_index);
    m_document.storeCommittedLine(m_index, m_line, m_question);
    m_after = m_document.list().savedRow(m_index);
    m_done = true;
}

void EditQuestionCommand::undo()
{
    m_document.restoreRow(m_index, m_before);
}
