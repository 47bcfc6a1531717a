// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QuestionList;
class TkelEdit;
class UserPrompts;

// The Search command's dialog: reaches one question by its row number, or by
// stepping through the stored lines that hold a piece of text. It only
// chooses a row; the main window selects and opens it.
class TfrmGoTo : public QDialog
{
    Q_OBJECT

public:
    TfrmGoTo(const QuestionList& list, UserPrompts& prompts, QWidget* parent = nullptr);

    // The grid row chosen by Go or Jump To; 0 when the dialog ended without one.
    int GoToTarget() const { return m_goToTarget; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Direction
    {
        Forward,
        Backward
    };

    void btnGoClick();
    void btnCancelClick();
    void btnNextClick();
    void btnPrevClick();
    void btnjumpToClick();
    void edtGoToClick();
    void edtLookupTextEnter();
    void search(Direction direction);

    const QuestionList& m_list;
    UserPrompts& m_prompts;
    // List index of the line the last successful search found; -1 before the first.
    int SearchPosition = -1;
    int m_goToTarget = 0;

    TkelEdit* edtGoTo;
    QPushButton* btnGo;
    QLineEdit* edtLookupText;
    QPushButton* btnNext;
    QPlainTextEdit* mmoQuestion;
};
