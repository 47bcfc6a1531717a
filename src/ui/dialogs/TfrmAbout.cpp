// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmAbout.h"

#include "QvedVersion.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

namespace {

constexpr int Width = 354;
constexpr int CollapsedHeight = 245;
constexpr int ExpandedHeight = 380;

QFrame* sunkenPanel(const char* name, const QRect& geometry, QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* label(const char* name, const QString& text, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    result->setObjectName(QLatin1String(name));
    return result;
}

} // namespace

TfrmAbout::TfrmAbout(QWidget* parent) : QDialog(parent)
{
    // The pictures live in a static library, whose resources are linked in
    // only when something names them.
    Q_INIT_RESOURCE(TfrmAbout);
    Q_INIT_RESOURCE(ui);
    m_bulbOn = QIcon(QStringLiteral(":/about/bulb-on.svg"));
    m_bulbOff = QIcon(QStringLiteral(":/about/bulb-off.svg"));

    setWindowTitle(tr("About Velloran Question Editor"));
    QFont system = font();
    system.setPointSize(10);
    setFont(system);

    QFrame* Panel1 = sunkenPanel("Panel1", QRect(15, 14, 323, 161), this);
    auto* ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setPixmap(QIcon(QStringLiteral(":/icons/app.svg")).pixmap(32, 32));
    ProgramIcon->setFixedSize(32, 32);
    QLabel* ProductName = label("ProductName", tr("Quorvale Editor"), Panel1);
    QFont heading = system;
    heading.setPointSize(12);
    heading.setBold(true);
    ProductName->setFont(heading);
    ProductName->setWordWrap(true);
    ProductName->setFixedSize(232, 57);
    ProductName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QLabel* Version = label("Version", QStringLiteral("Version " QVED_VERSION), Panel1);
    QLabel* Copyright = label("Copyright", tr("Copyright (c) Marrowfield Software"), Panel1);
    Copyright->setFixedWidth(304);
    QLabel* Label1 = label("Label1", tr("1999-2026. Free software, GPL 2 or later."), Panel1);

    auto* panel1Layout = new QGridLayout(Panel1);
    panel1Layout->setContentsMargins(8, 8, 8, 8);
    panel1Layout->setHorizontalSpacing(16);
    panel1Layout->addWidget(ProgramIcon, 0, 0, Qt::AlignTop);
    panel1Layout->addWidget(ProductName, 0, 1);
    panel1Layout->addWidget(Version, 1, 0, 1, 2);
    panel1Layout->addWidget(Copyright, 2, 0, 1, 2);
    panel1Layout->addWidget(Label1, 3, 0, 1, 2);
    panel1Layout->setRowStretch(4, 1);

    btnMoreInfo = new QPushButton(m_bulbOn, tr("&More Info"), this);
    btnMoreInfo->setObjectName(QStringLiteral("btnMoreInfo"));
    btnMoreInfo->setGeometry(15, 190, 99, 33);
    auto* OKButton =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton), tr("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(Width - 15 - 99, 190, 99, 33);
    OKButton->setDefault(true);

    // Below the collapsed height: seen only once the box has grown.
    QFrame* Panel2 = sunkenPanel("Panel2", QRect(15, CollapsedHeight + 1, 323, 128), this);
    QLabel* Label2 = label("Label2",
                           tr("For technical problems the author can be reached "
                              "using one of the following methods:"),
                           Panel2);
    Label2->setWordWrap(true);
    QLabel* Label3 = label("Label3", tr("eMail - help@marrowfield.example"), Panel2);
    QLabel* Label4 = label("Label4", tr("Snail Mail -"), Panel2);
    QLabel* Label5 =
        label("Label5", tr("Marrowfield Software\nP.O. Box 2217, Elm Hollow, KS 66999"), Panel2);
    Label5->setIndent(16);

    auto* panel2Layout = new QVBoxLayout(Panel2);
    panel2Layout->setContentsMargins(8, 6, 8, 6);
    panel2Layout->setSpacing(2);
    panel2Layout->addWidget(Label2);
    panel2Layout->addWidget(Label3);
    panel2Layout->addWidget(Label4);
    panel2Layout->addWidget(Label5);
    panel2Layout->addStretch();

    connect(btnMoreInfo, &QPushButton::clicked, this, &TfrmAbout::btnMoreInfoClick);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(Width, CollapsedHeight);
    OKButton->setFocus();
    move(screen()->availableGeometry().center() - rect().center());
}

void TfrmAbout::btnMoreInfoClick()
{
    // Fixed size keeps the top edge: the box grows and shrinks at the bottom.
    if (height() < CollapsedHeight + 1) {
        setFixedSize(Width, ExpandedHeight);
        btnMoreInfo->setText(tr("&Less Info"));
        btnMoreInfo->setIcon(m_bulbOff);
    } else {
        setFixedSize(Width, CollapsedHeight);
        btnMoreInfo->setText(tr("&More Info"));
        btnMoreInfo->setIcon(m_bulbOn);
    }
}
