// SPDX-License-Identifier: GPL-2.0-or-later
#include "DetailPanel.h"

#include "BookTable.h"
#include "RadioGroup.h"
#include "TextEntryGuard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <algorithm>

namespace {

constexpr int BaseWidth = 624;
constexpr int BaseHeight = 226;

QLabel* label(const QString& text, QWidget* buddy, QWidget* parent, int left, int top)
{
    auto* result = new QLabel(text, parent);
    result->setBuddy(buddy);
    result->adjustSize();
    result->move(left, top);
    return result;
}

} // namespace

DetailPanel::DetailPanel(QWidget* parent) : QWidget(parent), textGuard(new TextEntryGuard(this))
{
    setObjectName(QStringLiteral("pnlDetails"));
    setMinimumHeight(BaseHeight);

    cbxBook = new QComboBox(this);
    cbxBook->setObjectName(QStringLiteral("cbxBook"));
    cbxBook->setGeometry(8, 26, 190, 24);
    for (int book = 0; book < BookCount; ++book)
        cbxBook->addItem(QString::fromLatin1(BookAbbreviation(book)));
    cbxBook->setCurrentIndex(-1);
    cbxBook->setMaxVisibleItems(20);
    Label1 = label(tr("&Book"), cbxBook, this, 8, 6);

    btnSaveNew =
        new QPushButton(QIcon(QStringLiteral(":/icons/savenew.svg")), tr("&Save New"), this);
    btnSaveNew->setObjectName(QStringLiteral("btnSaveNew"));
    btnSaveNew->setGeometry(66, 2, 100, 22);
    showSaveNew(false);

    edtRef = new QLineEdit(this);
    edtRef->setObjectName(QStringLiteral("edtRef"));
    edtRef->setGeometry(8, 77, 190, 24);
    edtRef->setMaxLength(25);
    edtRef->setStatusTip(tr("Valid formats = CH, CH-CH, CH:VS, CH:VS-VS"));
    Label2 = label(tr("&Reference"), edtRef, this, 8, 58);

    chkValidate = new QCheckBox(tr("&Validate"), this);
    chkValidate->setObjectName(QStringLiteral("chkValidate"));
    chkValidate->setGeometry(121, 56, 80, 20);
    chkValidate->setChecked(true);

    rgpLevel = new RadioGroup(tr(" &Level "),
                              {tr("Single"), tr("Double"), tr("Triple"), tr("Home Run")}, 2, this);
    rgpLevel->setObjectName(QStringLiteral("rgpLevel"));
    rgpLevel->setGeometry(8, 106, 190, 67);

    rgpCorrect = new RadioGroup(
        tr(" &Correct "),
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")}, 4,
        this);
    rgpCorrect->setObjectName(QStringLiteral("rgpCorrect"));
    rgpCorrect->setGeometry(8, 176, 190, 46);

    mmoQuestion = new QPlainTextEdit(this);
    mmoQuestion->setObjectName(QStringLiteral("mmoQuestion"));
    mmoQuestion->setGeometry(208, 26, 408, 41);
    mmoQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoQuestion->setTabChangesFocus(true);
    Label3 = label(tr("&Question"), mmoQuestion, this, 208, 6);

    lblQuestionNbr = new QLabel(QStringLiteral("#"), this);
    lblQuestionNbr->setObjectName(QStringLiteral("lblQuestionNbr"));
    lblQuestionNbr->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblQuestionNbr->setGeometry(516, 6, 100, 18);

    gbxAnswers = new QGroupBox(tr(" A&nswers "), this);
    gbxAnswers->setObjectName(QStringLiteral("gbxAnswers"));
    gbxAnswers->setGeometry(207, 72, 409, 150);
    QLineEdit** answers[] = {&edtAnsA, &edtAnsB, &edtAnsC, &edtAnsD};
    const char* letters[] = {"&A", "&B", "&C", "&D"};
    const char* names[] = {"edtAnsA", "edtAnsB", "edtAnsC", "edtAnsD"};
    for (int i = 0; i < 4; ++i) {
        auto* edit = new QLineEdit(gbxAnswers);
        edit->setObjectName(QString::fromLatin1(names[i]));
        edit->setGeometry(26, 20 + 32 * i, 375, 24);
        edit->setMaxLength(90);
        *answers[i] = edit;
        // The letter beside it names the box for the eye only.
        edit->setAccessibleName(tr("Answer %1").arg(QChar(u'A' + i)));
        // The letters only label the rows; they move no focus.
        auto* letter = new QLabel(QString::fromLatin1(letters[i]).remove(u'&'), gbxAnswers);
        letter->move(9, 24 + 32 * i);
        textGuard->guard(edit);
    }
    edtRef->setAccessibleDescription(tr("The chapter, or chapter and verse: CH, CH-CH, CH:VS "
                                        "or CH:VS-VS"));
    chkValidate->setAccessibleDescription(
        tr("Check the reference against the chapters and verses of the book"));
    textGuard->guard(edtRef);
    textGuard->guard(mmoQuestion, 90);

    // The window's focus chain enters and leaves the panel in this order;
    // inside it focusNextPrevChild decides.
    const QList<QWidget*> order = tabStops() << btnSaveNew;
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    // The Answers caption's access key goes to Answer A, not to whichever
    // answer had the focus last.
    gbxAnswers->installEventFilter(this);
}

QList<QWidget*> DetailPanel::tabStops() const
{
    QList<QWidget*> stops{cbxBook,
                          edtRef,
                          chkValidate,
                          rgpLevel->focusButton(),
                          rgpCorrect->focusButton(),
                          mmoQuestion,
                          edtAnsA,
                          edtAnsB,
                          edtAnsC,
                          edtAnsD};
    if (btnSaveNew->isVisible() && btnSaveNew->isEnabled())
        stops << btnSaveNew;
    return stops;
}

bool DetailPanel::focusNextPrevChild(bool next)
{
    QWidget* focused = focusWidget();
    const QList<QWidget*> stops = tabStops();
    qsizetype at = stops.indexOf(focused);
    // An unchosen radio button stands for its group's stop.
    for (RadioGroup* group : {rgpLevel, rgpCorrect})
        if (focused && group->isAncestorOf(focused))
            at = stops.indexOf(group->focusButton());
    for (qsizetype i = at + (next ? 1 : -1); at >= 0 && i >= 0 && i < stops.size();
         i += next ? 1 : -1) {
        if (stops[i]->isEnabled() && stops[i]->isVisibleTo(this)) {
            stops[i]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return QWidget::focusNextPrevChild(next);
}

bool DetailPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == gbxAnswers && event->type() == QEvent::Shortcut) {
        edtAnsA->setFocus(Qt::ShortcutFocusReason);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void DetailPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int wider = std::max(0, width() - BaseWidth);
    const int taller = std::max(0, height() - BaseHeight);
    mmoQuestion->setGeometry(208, 26, 408 + wider, 41 + taller);
    lblQuestionNbr->move(516 + wider, 6);
    gbxAnswers->setGeometry(207, 72 + taller, 409 + wider, 150);
    for (QLineEdit* answer : {edtAnsA, edtAnsB, edtAnsC, edtAnsD})
        answer->resize(375 + wider, answer->height());
}

QString DetailPanel::questionText() const
{
    return mmoQuestion->toPlainText();
}

void DetailPanel::setQuestionText(const QString& text)
{
    textGuard->setTextQuietly(mmoQuestion, text);
}

void DetailPanel::showSaveNew(bool shown)
{
    btnSaveNew->setVisible(shown);
    btnSaveNew->setEnabled(shown);
}

PanelValues DetailPanel::values() const
{
    PanelValues panel;
    panel.book = cbxBook->currentIndex();
    panel.reference = edtRef->text();
    panel.validate = chkValidate->isChecked();
    panel.level = rgpLevel->itemIndex();
    panel.correct = rgpCorrect->itemIndex();
    panel.question = questionText();
    panel.answerA = edtAnsA->text();
    panel.answerB = edtAnsB->text();
    panel.answerC = edtAnsC->text();
    panel.answerD = edtAnsD->text();
    return panel;
}

void DetailPanel::setEditable(bool editable)
{
    for (QLineEdit* box : {edtRef, edtAnsA, edtAnsB, edtAnsC, edtAnsD})
        box->setReadOnly(!editable);
    mmoQuestion->setReadOnly(!editable);
    for (QWidget* choice : std::initializer_list<QWidget*>{cbxBook, rgpLevel, rgpCorrect})
        choice->setEnabled(editable);
}
