// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QuestionList.h"

#include <QUndoCommand>

class QuestionDocument;

// A committed change of one question: its line and question cell, and the
// row's marks as they were before and after.
class EditQuestionCommand : public QUndoCommand
{
public:
    EditQuestionCommand(QuestionDocument& document, int index, QByteArray line,
                        QByteArray question);

    void redo() override;
    void undo() override;

private:
    QuestionDocument& m_document;
    int m_index;
    QByteArray m_line;
    QByteArray m_question;
    QuestionList::SavedRow m_before;
    QuestionList::SavedRow m_after;
    bool m_done = false;
};
