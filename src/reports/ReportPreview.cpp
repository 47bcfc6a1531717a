// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportPreview.h"

#include "ReportEngine.h"
#include "ReportPageView.h"

#include <QAction>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr qreal zoomStep = 1.25;

} // namespace

ReportPreview::ReportPreview(ReportEngine& engine, QWidget* parent)
    : QDialog(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("frmReportPreview"));
    setWindowTitle(tr("Print Preview"));
    m_view = new ReportPageView(engine, this);

    m_toolBar = new QToolBar(this);
    // The icons of Qt's own preview, which every desktop has.
    auto icon = [](const char* name) {
        QIcon made;
        for (const int size : {24, 32})
            made.addFile(
                QStringLiteral(":/qt-project.org/dialogs/qprintpreviewdialog/images/%1-%2.png")
                    .arg(QLatin1StringView(name))
                    .arg(size),
                QSize(size, size));
        return made;
    };
    m_print = m_toolBar->addAction(QIcon::fromTheme(QStringLiteral("document-print"),
                                                    QIcon(QStringLiteral(":/reports/print.svg"))),
                                   tr("Print"));
    m_save =
        m_toolBar->addAction(QIcon::fromTheme(QStringLiteral("document-save-as"),
                                              style()->standardIcon(QStyle::SP_DialogSaveButton)),
                             tr("Save as PDF"));
    m_toolBar->addSeparator();
    m_toolBar->addAction(icon("zoom-in"), tr("Zoom in"), this,
                         [this] { m_view->setZoom(m_view->zoom() * zoomStep); });
    m_toolBar->addAction(icon("zoom-out"), tr("Zoom out"), this,
                         [this] { m_view->setZoom(m_view->zoom() / zoomStep); });
    m_toolBar->addAction(icon("zoom-fit-width"), tr("Fit width"), this,
                         [this] { m_view->fitWidth(); });
    m_toolBar->addSeparator();
    m_toolBar->addAction(icon("go-first"), tr("First page"), this, [this] { m_view->showPage(0); });
    m_toolBar->addAction(icon("go-previous"), tr("Previous page"), this,
                         [this] { m_view->showPage(m_view->currentPage() - 1); });
    m_toolBar->addAction(icon("go-next"), tr("Next page"), this,
                         [this] { m_view->showPage(m_view->currentPage() + 1); });
    m_toolBar->addAction(icon("go-last"), tr("Last page"), this,
                         [this] { m_view->showPage(pagesReady() - 1); });
    m_toolBar->addSeparator();
    lblPage = new QLabel(this);
    lblPage->setObjectName(QStringLiteral("lblPage"));
    lblPage->setMinimumWidth(
        lblPage->fontMetrics().horizontalAdvance(tr("Page 000000 of 000000+")));
    m_toolBar->addWidget(lblPage);

    lblStatus = new QLabel(this);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    prgLayout = new QProgressBar(this);
    prgLayout->setObjectName(QStringLiteral("prgLayout"));
    prgLayout->setRange(0, std::max(1, engine.recordCount()));
    prgLayout->setValue(0);
    prgLayout->setAccessibleName(tr("Records laid out"));
    btnCancelLayout = new QPushButton(tr("Cancel"), this);
    btnCancelLayout->setObjectName(QStringLiteral("btnCancelLayout"));
    connect(btnCancelLayout, &QPushButton::clicked, this, &ReportPreview::cancelLayout);
    auto* status = new QHBoxLayout;
    status->setContentsMargins(6, 0, 6, 0);
    status->addWidget(lblStatus, 1);
    status->addWidget(prgLayout, 1);
    status->addWidget(btnCancelLayout);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 4);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view, 1);
    layout->addLayout(status);
    resize(900, 1000);

    connect(m_view, &ReportPageView::currentPageChanged, this, &ReportPreview::showPosition);
    // Every step runs when the window has nothing else to do.
    m_step.setInterval(0);
    connect(&m_step, &QTimer::timeout, this, &ReportPreview::layOutStep);
    m_engine.startPagination();
    m_step.start();
    lblStatus->setText(tr("Laying out the pages..."));
    showPosition();
}

int ReportPreview::pagesReady() const
{
    return m_engine.pageCount();
}

void ReportPreview::layOutStep()
{
    const int before = m_engine.pageCount();
    QElapsedTimer clock;
    clock.start();
    // The first page shows as soon as it is done, not at the step's end.
    auto goOn = [&] {
        return m_stepMilliseconds > 0 && !clock.hasExpired(m_stepMilliseconds) &&
               (before > 0 || m_engine.pageCount() == 0);
    };
    bool done = m_engine.paginateSome(m_recordsPerBatch);
    while (!done && goOn())
        done = m_engine.paginateSome(m_recordsPerBatch);
    prgLayout->setValue(m_engine.recordsPlaced());
    if (m_engine.pageCount() != before) {
        m_view->pagesChanged();
        showPosition();
        emit pagesAdded(m_engine.pageCount());
        if (!m_step.isActive())
            return; // cancelled by whoever took the pages
    }
    if (!done) {
        lblStatus->setText(tr("Laying out page %1...").arg(m_engine.pageCount() + 1));
        return;
    }
    m_step.stop();
    prgLayout->hide();
    btnCancelLayout->hide();
    lblStatus->setText(m_engine.pageCount() == 0 ? tr("The report has no pages.")
                                                 : tr("%1 pages").arg(pagesReady()));
    showPosition();
    emit layoutFinished();
}

void ReportPreview::cancelLayout()
{
    if (!m_step.isActive())
        return;
    m_step.stop();
    prgLayout->hide();
    btnCancelLayout->hide();
    lblStatus->setText(tr("Stopped after page %1; Print and Save as PDF still give every page.")
                           .arg(pagesReady()));
    showPosition();
}

void ReportPreview::showPosition()
{
    const int page = m_view->currentPage();
    lblPage->setText(page < 0 ? QString()
                              : tr("Page %1 of %2%3")
                                    .arg(page + 1)
                                    .arg(pagesReady())
                                    .arg(isLayingOut() ? QStringLiteral("+") : QString()));
}
