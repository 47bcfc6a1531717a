// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmReportSetup.h"

#include "QtReportOutput.h"
#include "QvedError.h"
#include "ReportLayout.h"
#include "ReportPdf.h"
#include "ReportResources.h"
#include "ReportRun.h"
#include "TdmQVED3.h"
#include "TkelEdit.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTemporaryDir>
#include <QVBoxLayout>

namespace {

TkelEdit* rangeBox(const char* name, QWidget* parent)
{
    auto* box = new TkelEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setKELEditType(TkelEditType::etKELInteger);
    box->setMaxLength(7);
    return box;
}

QPushButton* button(const char* name, const QString& caption, const QIcon& icon, QWidget* parent)
{
    auto* b = new QPushButton(icon, caption, parent);
    b->setObjectName(QLatin1String(name));
    // Enter in a range box must not start a print.
    b->setAutoDefault(false);
    return b;
}

} // namespace

TfrmReportSetup::TfrmReportSetup(const QuestionList& list, TdmQVED3& dataModule,
                                 UserPrompts& prompts, QWidget* parent, const QString& questionFile)
    : QDialog(parent), m_list(list), m_dataModule(dataModule), m_prompts(prompts),
      m_questionFile(questionFile), m_qtOutput(std::make_unique<QtReportOutput>(prompts)),
      m_output(m_qtOutput.get())
{
    RegisterReportResources();
    setObjectName(QStringLiteral("frmReportSetup"));
    setWindowTitle(tr("Report Setup"));

    rgpReportType = new QGroupBox(tr(" &Report Type "), this);
    rgpReportType->setObjectName(QStringLiteral("rgpReportType"));
    m_reportTypes = new QButtonGroup(this);
    auto* typeLayout = new QVBoxLayout(rgpReportType);
    const QString types[] = {tr("&Test Format w/ answer key"), tr("T&est Format"),
                             tr("&Question List")};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(types[i], rgpReportType);
        m_reportTypes->addButton(item, i);
        typeLayout->addWidget(item);
    }
    m_reportTypes->button(0)->setChecked(true);

    grbQuestions = new QGroupBox(tr("&Questions "), this);
    grbQuestions->setObjectName(QStringLiteral("grbQuestions"));
    rbtnAll = new QRadioButton(tr("&All"), grbQuestions);
    rbtnAll->setObjectName(QStringLiteral("rbtnAll"));
    rbtnAll->setChecked(true);
    Label2 = new QLabel(tr("&Range"), grbQuestions);
    Label2->setObjectName(QStringLiteral("Label2"));
    edtBeg = rangeBox("edtBeg", grbQuestions);
    Label1 = new QLabel(tr("thru"), grbQuestions);
    Label1->setObjectName(QStringLiteral("Label1"));
    edtEnd = rangeBox("edtEnd", grbQuestions);
    Label2->setBuddy(edtBeg);
    auto* rangeLayout = new QGridLayout(grbQuestions);
    rangeLayout->addWidget(rbtnAll, 0, 0, 1, 3);
    rangeLayout->addWidget(Label2, 1, 0, 1, 3);
    rangeLayout->addWidget(edtBeg, 2, 0);
    rangeLayout->addWidget(Label1, 2, 1);
    rangeLayout->addWidget(edtEnd, 2, 2);

    // Pictures of our own, like the toolbar's: an icon theme is not found
    // everywhere.
    btnPrint = button("btnPrint", tr("&Print"), QIcon(QStringLiteral(":/reports/print.svg")), this);
    bntPrintPreview = button("bntPrintPreview", tr("Preview"),
                             QIcon(QStringLiteral(":/reports/preview.svg")), this);
    btnExit =
        button("btnExit", tr("E&xit"), style()->standardIcon(QStyle::SP_DialogCloseButton), this);

    auto* groups = new QHBoxLayout;
    groups->addWidget(rgpReportType, 1);
    groups->addWidget(grbQuestions, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnPrint);
    buttons->addWidget(bntPrintPreview);
    buttons->addWidget(btnExit);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);

    setTabOrder(m_reportTypes->button(2), rbtnAll);
    setTabOrder(rbtnAll, edtBeg);
    setTabOrder(edtBeg, edtEnd);
    setTabOrder(edtEnd, btnPrint);
    setTabOrder(btnPrint, bntPrintPreview);
    setTabOrder(bntPrintPreview, btnExit);
    m_reportTypes->button(0)->setFocus();

    setFixedSize(sizeHint().expandedTo(QSize(421, 164)));
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());

    edtBeg->installEventFilter(this);
    edtEnd->installEventFilter(this);
    connect(rbtnAll, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            rbtnAllClick();
    });
    connect(btnPrint, &QPushButton::clicked, this, [this] { PrepareData(true); });
    connect(bntPrintPreview, &QPushButton::clicked, this, [this] { PrepareData(false); });
    connect(btnExit, &QPushButton::clicked, this, &TfrmReportSetup::close);
}

TfrmReportSetup::~TfrmReportSetup() = default;

bool TfrmReportSetup::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn && (watched == edtBeg || watched == edtEnd))
        edtRangeEnter();
    return QDialog::eventFilter(watched, event);
}

void TfrmReportSetup::setRangeTextColour(const QColor& colour)
{
    for (TkelEdit* box : {edtBeg, edtEnd}) {
        QPalette palette = box->palette();
        palette.setColor(QPalette::Text, colour);
        box->setPalette(palette);
    }
}

void TfrmReportSetup::edtRangeEnter()
{
    // rbtnAll is alone in its group, so only this takes its selection away.
    rbtnAll->setAutoExclusive(false);
    rbtnAll->setChecked(false);
    rbtnAll->setAutoExclusive(true);
    setRangeTextColour(QApplication::palette().color(QPalette::Active, QPalette::Text));
}

void TfrmReportSetup::rbtnAllClick()
{
    setRangeTextColour(QApplication::palette().color(QPalette::Disabled, QPalette::Text));
}

QString TfrmReportSetup::noQuestionsMessage()
{
    return tr("The report has no questions.");
}

void TfrmReportSetup::PrepareData(bool print)
{
    const ReportRun::Mode mode =
        rbtnAll->isChecked() ? ReportRun::Mode::All : ReportRun::Mode::Range;
    const int reportType = m_reportTypes->checkedId();
    const std::unique_ptr<QTemporaryDir> folder = ReportRun::newTemporaryFolder();
    ReportRun run(m_list, m_dataModule.tblQuestionData, *folder,
                  [this](const QString& text) { m_prompts.information(this, text); });
    try {
        run.PrepareData(mode, edtBeg->text(), edtEnd->text(), reportType,
                        [this, print, reportType](const ReportLayout& report) {
                            // An empty preview would be a strip reading "1 / 0".
                            if (report.table().recordCount() == 0)
                                m_prompts.information(this, noQuestionsMessage());
                            else if (print)
                                m_output->print(report, this);
                            else
                                m_output->preview(
                                    report, ReportPdf::suggestedPath(m_questionFile, reportType),
                                    this);
                        });
    } catch (const QvedError& e) {
        m_prompts.error(this, e.message());
    }
}
