// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "FieldReplacer.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QuestionGridModel;
class ToolHost;
class UserPrompts;

// Find and Replace over the question texts of the list: Find Next shows the
// next matching question in the panel, Replace changes the panel's texts as
// an edit to commit, Replace All changes every matching question of the rows
// shown in one undoable step.
class TfrmFindReplace : public QDialog
{
    Q_OBJECT

public:
    TfrmFindReplace(ToolHost& window, const QuestionGridModel& rows, UserPrompts& prompts);

    // Shows the dialog as it opens every time: focus in Find what, In set
    // to All texts, both check boxes off.
    void open() override;

    void btnFindNextClick();
    void btnReplaceClick();
    void btnReplaceAllClick();

    QLineEdit* edtFind;
    QLineEdit* edtReplace;
    QComboBox* cbxIn;
    QCheckBox* chkMatchCase;
    QCheckBox* chkWholeWords;
    QPushButton* btnFindNext;
    QPushButton* btnReplace;
    QPushButton* btnReplaceAll;
    QPushButton* btnClose;

private:
    FieldReplacer replacer() const;
    // False, after saying why, when the texts cannot be used.
    bool usable(const FieldReplacer& replacer);
    // List index of the next question that matches after `after`, or -1.
    int findFrom(const FieldReplacer& replacer, int first, int last) const;

    ToolHost& m_window;
    const QuestionGridModel& m_rows; // the rows the filter shows
    UserPrompts& m_prompts;
};
