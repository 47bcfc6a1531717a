// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmGoTo.h"

#include "IntegerConversion.h"
#include "LocatorSearch.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "TkelEdit.h"
#include "UserPrompts.h"
#include "Windows1252.h"

#include <QBoxLayout>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

// A fixed client area. Inside the margins and the panels' one-pixel frames
// the memo, and the button row above it, are 293 pixels wide.
constexpr QSize ClientSize(311, 209);
constexpr int GoToPanelHeight = 59;
constexpr int MemoWidth = 293;
constexpr int Spacing = 4;
constexpr int OuterMargin = 2;
constexpr int PanelMargin = (ClientSize.width() - 2 * OuterMargin - 2 - MemoWidth) / 2;

QFrame* sunkenPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

TfrmGoTo::TfrmGoTo(const QuestionList& list, UserPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_list(list), m_prompts(prompts)
{
    setWindowTitle(tr("QVED 3 Locator"));
    QFont smaller = font();
    smaller.setPointSize(8);
    setFont(smaller);

    const auto button = [this](const char* name, const QString& text,
                               QStyle::StandardPixmap picture, QWidget* panel) {
        auto* result = new QPushButton(style()->standardIcon(picture), text, panel);
        result->setObjectName(QLatin1String(name));
        return result;
    };

    // Widgets are made in tab order, which Qt takes from the order of creation.
    QFrame* goToPanel = sunkenPanel(this);
    QLabel* Label1 = label("Label1", tr("Locate a specific record number"), goToPanel);
    edtGoTo = new TkelEdit(goToPanel);
    edtGoTo->setObjectName(QStringLiteral("edtGoTo"));
    edtGoTo->setKELEditType(TkelEditType::etKELInteger);
    edtGoTo->setKELAudibleError(true);
    edtGoTo->setMaxLength(5);
    edtGoTo->setFixedWidth(140);
    edtGoTo->setAccessibleName(tr("Record number"));
    QPushButton* btnCancel =
        button("btnCancel", tr("Cancel"), QStyle::SP_DialogCancelButton, goToPanel);
    btnGo = button("btnGo", tr("&Go"), QStyle::SP_DialogApplyButton, goToPanel);

    QFrame* lookupPanel = sunkenPanel(this);
    QLabel* Label2 = label("Label2", tr("Find a specific text string in the question /answer list"),
                           lookupPanel);
    QLabel* Label3 = label("Label3", tr("Search For:"), lookupPanel);
    edtLookupText = new QLineEdit(lookupPanel);
    edtLookupText->setObjectName(QStringLiteral("edtLookupText"));
    edtLookupText->setFixedWidth(231);
    Label3->setBuddy(edtLookupText);
    QPushButton* btnCancel2 =
        button("btnCancel2", tr("Cancel"), QStyle::SP_DialogCancelButton, lookupPanel);
    QPushButton* btnPrev = button("btnPrev", tr("&Prev"), QStyle::SP_ArrowLeft, lookupPanel);
    btnNext = button("btnNext", tr("&Next"), QStyle::SP_ArrowRight, lookupPanel);
    QPushButton* btnjumpTo =
        button("btnjumpTo", tr("&Jump To"), QStyle::SP_DialogOkButton, lookupPanel);
    mmoQuestion = new QPlainTextEdit(lookupPanel);
    mmoQuestion->setObjectName(QStringLiteral("mmoQuestion"));
    mmoQuestion->setReadOnly(true);
    mmoQuestion->setAccessibleName(tr("Found question"));
    mmoQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmoQuestion->setFixedHeight(57);
    // The found text stays highlighted while the focus is on the buttons.
    QPalette memoColours = mmoQuestion->palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText})
        memoColours.setBrush(QPalette::Inactive, role, memoColours.brush(QPalette::Active, role));
    mmoQuestion->setPalette(memoColours);

    // The dialog's size is fixed, so the buttons share their row equally
    // rather than growing to the platform's preferred button width.
    const int buttonWidth = (MemoWidth - 3 * Spacing) / 4;
    for (QPushButton* b : {btnCancel, btnGo})
        b->setFixedWidth(buttonWidth);
    for (QPushButton* b : {btnCancel2, btnPrev, btnNext, btnjumpTo})
        b->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* goToRow = new QHBoxLayout;
    goToRow->setSpacing(Spacing);
    goToRow->addWidget(edtGoTo);
    goToRow->addStretch();
    goToRow->addWidget(btnCancel);
    goToRow->addWidget(btnGo);
    auto* goToLayout = new QVBoxLayout(goToPanel);
    goToLayout->setContentsMargins(PanelMargin, 3, PanelMargin, 4);
    goToLayout->setSpacing(3);
    goToLayout->addWidget(Label1);
    goToLayout->addLayout(goToRow);

    auto* searchForRow = new QHBoxLayout;
    searchForRow->addWidget(Label3);
    searchForRow->addWidget(edtLookupText);
    searchForRow->addStretch();
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(Spacing);
    for (QPushButton* b : {btnCancel2, btnPrev, btnNext, btnjumpTo})
        buttonRow->addWidget(b);
    auto* lookupLayout = new QVBoxLayout(lookupPanel);
    lookupLayout->setContentsMargins(PanelMargin, 3, PanelMargin, 4);
    lookupLayout->setSpacing(3);
    lookupLayout->addWidget(Label2);
    lookupLayout->addLayout(searchForRow);
    lookupLayout->addLayout(buttonRow);
    lookupLayout->addWidget(mmoQuestion);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(OuterMargin, OuterMargin, OuterMargin, OuterMargin);
    layout->setSpacing(2);
    goToPanel->setFixedHeight(GoToPanelHeight);
    layout->addWidget(goToPanel);
    layout->addWidget(lookupPanel);

    connect(btnGo, &QPushButton::clicked, this, &TfrmGoTo::btnGoClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmGoTo::btnCancelClick);
    connect(btnCancel2, &QPushButton::clicked, this, &TfrmGoTo::btnCancelClick);
    connect(btnPrev, &QPushButton::clicked, this, &TfrmGoTo::btnPrevClick);
    connect(btnNext, &QPushButton::clicked, this, &TfrmGoTo::btnNextClick);
    connect(btnjumpTo, &QPushButton::clicked, this, &TfrmGoTo::btnjumpToClick);
    edtGoTo->installEventFilter(this);
    edtLookupText->installEventFilter(this);

    btnGo->setDefault(true);
    edtGoTo->setFocus();
    setFixedSize(ClientSize);
    move(screen()->availableGeometry().center() - rect().center());
}

bool TfrmGoTo::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtGoTo && event->type() == QEvent::MouseButtonPress)
        edtGoToClick();
    else if (watched == edtLookupText && event->type() == QEvent::FocusIn)
        edtLookupTextEnter();
    return QDialog::eventFilter(watched, event);
}

void TfrmGoTo::btnGoClick()
{
    const QString text = edtGoTo->text();
    if (text.isEmpty()) {
        m_prompts.information(this, tr("Please enter a number!"));
        return;
    }
    try {
        const int row = StrToInt(text);
        if (row >= 1 && row <= m_list.count()) {
            m_goToTarget = row;
            accept();
            return;
        }
        m_prompts.information(this,
                              tr("Please enter a number between 1 and %1").arg(m_list.count()));
    } catch (const QvedError& failure) {
        m_prompts.error(this, failure.message());
    }
}

void TfrmGoTo::btnCancelClick()
{
    reject();
}

void TfrmGoTo::btnNextClick()
{
    search(Direction::Forward);
}

void TfrmGoTo::btnPrevClick()
{
    search(Direction::Backward);
}

void TfrmGoTo::search(Direction direction)
{
    const QString text = edtLookupText->text();
    // The lines are single-byte text: a character the code page cannot hold
    // occurs in none of them.
    bool encodable = false;
    const QByteArray bytes = Windows1252::fromUnicode(text, &encodable);
    const LocatorSearch lookup(bytes);
    const auto match = !encodable                        ? std::nullopt
                       : direction == Direction::Forward ? lookup.next(m_list, SearchPosition)
                                                         : lookup.previous(m_list, SearchPosition);
    if (!match) {
        m_prompts.information(this,
                              text + (direction == Direction::Forward
                                          ? tr(" was not found after the current position.")
                                          : tr(" was not found prior to the current position.")));
        return;
    }
    SearchPosition = match->index;
    // One byte is one character, so the byte offset is the character offset.
    mmoQuestion->setPlainText(Windows1252::toUnicode(m_list.line(match->index)));
    QTextCursor found = mmoQuestion->textCursor();
    found.setPosition(int(match->offset));
    found.setPosition(int(match->offset + bytes.size()), QTextCursor::KeepAnchor);
    mmoQuestion->setTextCursor(found);
}

void TfrmGoTo::btnjumpToClick()
{
    if (SearchPosition < 0)
        return;
    m_goToTarget = SearchPosition + 1;
    accept();
}

void TfrmGoTo::edtGoToClick()
{
    btnGo->setDefault(true);
}

void TfrmGoTo::edtLookupTextEnter()
{
    btnNext->setDefault(true);
}
