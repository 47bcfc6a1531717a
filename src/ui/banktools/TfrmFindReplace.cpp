// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmFindReplace.h"

#include "DetailPanel.h"
#include "EditingWorkflow.h"
#include "QuestionGrid.h"
#include "QuestionGridModel.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "ReplaceAllCommand.h"
#include "ToolHost.h"
#include "UserPrompts.h"

#include <QMainWindow>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUndoStack>
#include <QVBoxLayout>

TfrmFindReplace::TfrmFindReplace(ToolHost& window, const QuestionGridModel& rows,
                                 UserPrompts& prompts)
    : QDialog(&window.mainWindow()), m_window(window), m_rows(rows), m_prompts(prompts)
{
    setObjectName(QStringLiteral("frmFindReplace"));
    setWindowTitle(tr("Find and Replace"));
    edtFind = new QLineEdit(this);
    edtFind->setObjectName(QStringLiteral("edtFind"));
    edtReplace = new QLineEdit(this);
    edtReplace->setObjectName(QStringLiteral("edtReplace"));
    cbxIn = new QComboBox(this);
    cbxIn->setObjectName(QStringLiteral("cbxIn"));
    cbxIn->addItems({tr("All texts"), tr("Question"), tr("Answers"), tr("Reference")});
    chkMatchCase = new QCheckBox(tr("Match &case"), this);
    chkMatchCase->setObjectName(QStringLiteral("chkMatchCase"));
    chkWholeWords = new QCheckBox(tr("Whole w&ords"), this);
    chkWholeWords->setObjectName(QStringLiteral("chkWholeWords"));

    auto* form = new QFormLayout;
    form->addRow(tr("Find &what:"), edtFind);
    form->addRow(tr("Re&place with:"), edtReplace);
    form->addRow(tr("&In:"), cbxIn);
    form->addRow(chkMatchCase);
    form->addRow(chkWholeWords);

    auto button = [this](const QString& caption, const QString& name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        return b;
    };
    btnFindNext = button(tr("&Find Next"), QStringLiteral("btnFindNext"));
    btnFindNext->setDefault(true);
    btnReplace = button(tr("&Replace"), QStringLiteral("btnReplace"));
    btnReplaceAll = button(tr("Replace &All"), QStringLiteral("btnReplaceAll"));
    btnClose = button(tr("Close"), QStringLiteral("btnClose"));
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {btnFindNext, btnReplace, btnReplaceAll, btnClose})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form, 1);
    layout->addLayout(buttons);

    auto run = [this](void (TfrmFindReplace::*command)()) {
        return [this, command] { m_window.runCommand([this, command] { (this->*command)(); }); };
    };
    connect(btnFindNext, &QPushButton::clicked, this, run(&TfrmFindReplace::btnFindNextClick));
    connect(btnReplace, &QPushButton::clicked, this, run(&TfrmFindReplace::btnReplaceClick));
    connect(btnReplaceAll, &QPushButton::clicked, this, run(&TfrmFindReplace::btnReplaceAllClick));
    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmFindReplace::open()
{
    cbxIn->setCurrentIndex(0);
    chkMatchCase->setChecked(false);
    chkWholeWords->setChecked(false);
    show();
    raise();
    activateWindow();
    edtFind->setFocus();
    edtFind->selectAll();
}

FieldReplacer TfrmFindReplace::replacer() const
{
    return FieldReplacer({edtFind->text(), edtReplace->text(),
                          FieldReplacer::Fields(cbxIn->currentIndex()), chkMatchCase->isChecked(),
                          chkWholeWords->isChecked()});
}

bool TfrmFindReplace::usable(const FieldReplacer& replacer)
{
    if (replacer.refusal().isEmpty())
        return true;
    m_prompts.information(this, replacer.refusal());
    return false;
}

int TfrmFindReplace::findFrom(const FieldReplacer& replacer, int first, int last) const
{
    const QuestionList& list = m_window.document().list();
    QuestionRecord record;
    for (int index = first; index <= last && index < list.count(); ++index) {
        if (!replacer.lineMayMatch(list.line(index)))
            continue;
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(list.line(index), record, DecodeMode::Full);
        } catch (const QvedError&) {
            continue;
        }
        if (replacer.matches(PanelValuesOf(record)))
            return index;
    }
    return -1;
}

void TfrmFindReplace::btnFindNextClick()
{
    const FieldReplacer find = replacer();
    if (!usable(find))
        return;
    // From the row after the current one; row 0 is the header.
    const int current = m_window.grid().currentGridRow();
    int found = findFrom(find, current, m_window.document().list().count() - 1);
    if (found < 0 && current > 0 &&
        m_prompts.confirm(this, tr("The end of the list was reached. Continue from "
                                   "the beginning?")) == UserPrompts::Answer::Yes)
        found = findFrom(find, 0, current - 1);
    if (found < 0) {
        m_prompts.information(this, tr("\"%1\" was not found.").arg(edtFind->text()));
        return;
    }
    m_window.goToRow(found + 1);
}

void TfrmFindReplace::btnReplaceClick()
{
    const FieldReplacer replace = replacer();
    if (!usable(replace))
        return;
    DetailPanel& panel = m_window.panel();
    PanelValues values = panel.values();
    if (!replace.matches(values)) {
        btnFindNextClick();
        return;
    }
    bool tooLong = false;
    replace.replaceIn(values, tooLong);
    if (tooLong) {
        m_prompts.information(this, tr("The replacement would make a text too long; "
                                       "the question was left unchanged."));
        return;
    }
    // The panel's texts change as if typed; the author commits them.
    panel.edtRef->setText(values.reference);
    if (panel.mmoQuestion->toPlainText() != values.question)
        panel.setQuestionText(values.question);
    panel.edtAnsA->setText(values.answerA);
    panel.edtAnsB->setText(values.answerB);
    panel.edtAnsC->setText(values.answerC);
    panel.edtAnsD->setText(values.answerD);
}

void TfrmFindReplace::btnReplaceAllClick()
{
    const FieldReplacer replace = replacer();
    if (!usable(replace) || !m_window.editing().ResolvePendingEdit())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // A filter leaves the rows it hides alone.
    FieldReplacer::Shown shown;
    if (m_rows.isFiltered())
        shown = [this](int index) { return m_rows.modelRow(index) >= 0; };
    FieldReplacer::Outcome outcome = replace.replaceAll(m_window.document().list(), shown);
    const int questions = int(outcome.lines.size());
    if (questions > 0)
        m_window.history().push(
            new ReplaceAllCommand(m_window.document(), std::move(outcome.lines)));
    QApplication::restoreOverrideCursor();
    // The panel shows the stored question again, changed or not.
    if (const int index = m_window.editing().currentIndex(); index >= 0 && questions > 0)
        m_window.editing().ShowQuestion(index + 1);

    QString message =
        tr("%1 replacements in %2 questions.").arg(outcome.replacements).arg(questions);
    const auto list = [](const QList<int>& questions) {
        QStringList numbers;
        for (const int number : questions.first(std::min<qsizetype>(questions.size(), 50)))
            numbers << QString::number(number);
        return numbers.join(QStringLiteral(", ")) +
               (questions.size() > 50 ? QStringLiteral(", ...") : QString());
    };
    if (!outcome.tooLong.isEmpty())
        message += tr("\nLeft unchanged, a text would be too long: %1").arg(list(outcome.tooLong));
    if (!outcome.notAsStored.isEmpty())
        message += tr("\nLeft unchanged, the line holds more than the panel would "
                      "store (edit it there): %1")
                       .arg(list(outcome.notAsStored));
    m_prompts.information(this, message);
}
