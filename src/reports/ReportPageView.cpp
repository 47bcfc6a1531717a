// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportPageView.h"

#include "ReportEngine.h"
#include "ReportLayout.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <climits>

namespace {

constexpr int gap = 12; // pixels around every page
constexpr qreal smallest = 0.25;
constexpr qreal largest = 4.0;

} // namespace

ReportPageView::ReportPageView(const ReportEngine& engine, QWidget* parent)
    : QAbstractScrollArea(parent), m_engine(engine)
{
    setObjectName(QStringLiteral("pageView"));
    setAccessibleName(tr("Report pages"));
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
    verticalScrollBar()->setSingleStep(40);
    horizontalScrollBar()->setSingleStep(40);
}

QSize ReportPageView::pageSize() const
{
    return QSize(qRound(ReportLayout::PageWidth * logicalDpiX() * m_zoom),
                 qRound(ReportLayout::PageHeight * logicalDpiY() * m_zoom));
}

int ReportPageView::pageStride() const
{
    return pageSize().height() + gap;
}

void ReportPageView::pagesChanged()
{
    const int before = m_pages;
    m_pages = m_engine.pageCount();
    if (m_pages == before)
        return;
    updateScrollBars();
    // Only a new page in view needs drawing.
    const int firstNew = before * pageStride() + gap - verticalScrollBar()->value();
    if (firstNew < viewport()->height())
        viewport()->update();
    if (currentPage() != m_shownPage) {
        m_shownPage = currentPage();
        emit currentPageChanged(m_shownPage);
    }
}

void ReportPageView::setZoom(qreal zoom)
{
    const int page = currentPage();
    m_zoom = std::clamp(zoom, smallest, largest);
    updateScrollBars();
    showPage(page);
    viewport()->update();
}

void ReportPageView::fitWidth()
{
    const qreal width = ReportLayout::PageWidth * logicalDpiX();
    setZoom((viewport()->width() - 2 * gap) / width);
}

int ReportPageView::currentPage() const
{
    if (m_pages == 0)
        return -1;
    return std::min(m_pages - 1, verticalScrollBar()->value() / pageStride());
}

void ReportPageView::showPage(int index)
{
    if (m_pages == 0)
        return;
    verticalScrollBar()->setValue(std::clamp(index, 0, m_pages - 1) * pageStride());
}

void ReportPageView::updateScrollBars()
{
    const QSize page = pageSize();
    const QSize view = viewport()->size();
    // The range is an int: at the largest zoom that is still some 150,000 pages.
    const qint64 height = qint64(m_pages) * pageStride() + gap;
    verticalScrollBar()->setRange(0, int(std::clamp<qint64>(height - view.height(), 0, INT_MAX)));
    verticalScrollBar()->setPageStep(view.height());
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * gap - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
}

void ReportPageView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReportPageView::scrollContentsBy(int, int)
{
    viewport()->update();
    if (currentPage() != m_shownPage) {
        m_shownPage = currentPage();
        emit currentPageChanged(m_shownPage);
    }
}

void ReportPageView::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QSize page = pageSize();
    const int stride = pageStride();
    const int viewWidth = viewport()->width();
    const int left = page.width() + 2 * gap <= viewWidth ? (viewWidth - page.width()) / 2
                                                         : gap - horizontalScrollBar()->value();
    const int scrolled = verticalScrollBar()->value();
    const QRect dirty = event->rect();
    const int marginX = qRound(ReportLayout::Margin * logicalDpiX() * m_zoom);
    const int marginY = qRound(ReportLayout::Margin * logicalDpiY() * m_zoom);
    for (int index = std::max(0, (scrolled + dirty.top() - gap) / stride); index < m_pages;
         ++index) {
        const QRect paper(left, gap + index * stride - scrolled, page.width(), page.height());
        if (paper.top() > dirty.bottom())
            break;
        if (!paper.intersects(dirty))
            continue;
        painter.fillRect(paper, Qt::white);
        painter.setPen(Qt::darkGray);
        painter.drawRect(paper.adjusted(0, 0, -1, -1));
        painter.save();
        painter.setClipRect(paper);
        painter.translate(paper.left() + marginX, paper.top() + marginY);
        painter.scale(m_zoom, m_zoom);
        m_engine.drawPage(painter, index);
        painter.restore();
    }
}
