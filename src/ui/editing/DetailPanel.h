// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "RecordChecks.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RadioGroup;
class TextEntryGuard;

// The detail panel under the grid, where one question is edited.
class DetailPanel : public QWidget
{
    Q_OBJECT

public:
    explicit DetailPanel(QWidget* parent = nullptr);

    PanelValues values() const;
    QString questionText() const;
    void setQuestionText(const QString& text);
    // Save New is offered only while a new question is being entered.
    void showSaveNew(bool shown);
    // A read-only file's questions are shown, but nothing can be typed or
    // chosen.
    void setEditable(bool editable);

    QLabel* Label1;
    QComboBox* cbxBook;
    QLabel* Label2;
    QLineEdit* edtRef;
    QCheckBox* chkValidate;
    RadioGroup* rgpLevel;
    RadioGroup* rgpCorrect;
    QLabel* Label3;
    QLabel* lblQuestionNbr;
    QPlainTextEdit* mmoQuestion;
    QGroupBox* gbxAnswers;
    QLineEdit* edtAnsA;
    QLineEdit* edtAnsB;
    QLineEdit* edtAnsC;
    QLineEdit* edtAnsD;
    QPushButton* btnSaveNew;
    TextEntryGuard* textGuard;

protected:
    // Tab walks the panel top to bottom with each radio group one stop,
    // landing on its chosen item.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The question and the answers take the width and height beyond the
    // panel's first size.
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QWidget*> tabStops() const;
};
