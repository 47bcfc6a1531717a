// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QAbstractScrollArea>

class ReportEngine;

// The pages of a report one below the other, each drawn by the engine only
// while it is in view, so a report of thousands of pages scrolls as lightly
// as one of a single page. The engine may still be laying out: the view
// shows the pages it has.
class ReportPageView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit ReportPageView(const ReportEngine& engine, QWidget* parent = nullptr);

    // The engine has more pages than the view last knew of.
    void pagesChanged();

    qreal zoom() const { return m_zoom; }
    void setZoom(qreal zoom);
    // The zoom at which a page fills the view's width.
    void fitWidth();

    // The page (from 0) at the top of the view.
    int currentPage() const;
    void showPage(int index);

signals:
    void currentPageChanged(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QSize pageSize() const; // in the view's pixels
    int pageStride() const;
    void updateScrollBars();

    const ReportEngine& m_engine;
    qreal m_zoom = 1.0;
    int m_pages = 0;
    int m_shownPage = -1;
};
