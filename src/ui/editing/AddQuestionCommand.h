// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionList.h"

#include <QUndoCommand>

class QuestionDocument;

// A new question committed at the end of the list.
class AddQuestionCommand : public QUndoCommand
{
public:
    AddQuestionCommand(QuestionDocument& document, QByteArray line, QByteArray question);

    void redo() override;
    void undo() override;

private:
    QuestionDocument& m_document;
    QByteArray m_line;
    QByteArray m_question;
    QuestionList::SavedRow m_added;
    bool m_done = false;
};
