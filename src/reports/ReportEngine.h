// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;
class QSvgRenderer;
class ReportLayout;
struct ReportBand;
struct ReportElement;

// Lays a report's bands out on pages and draws them onto any painter, so the
// printer, the preview and PDF files get the same pages.
//
// Everything is measured in a fixed unit of 1/720 inch, independent of the
// device, so a report breaks its pages and lines the same way everywhere.
class ReportEngine
{
public:
    static constexpr qreal UnitsPerInch = 720;

    // A stretching element whose text took more than one line.
    struct WrappedText
    {
        int element = 0; // index in the band's elements
        QStringList lines;
    };

    // A band in its place on a page; positions in engine units.
    struct PlacedBand
    {
        const ReportBand* band = nullptr;
        qreal top = 0;
        qreal stretch = 0;    // added to the band's height by wrapped texts
        int record = -1;      // detail bands only
        int detailNumber = 0; // detail bands only, from 1 in every run
        std::vector<WrappedText> wrapped;
    };

    // Throws QvedError when the record source lacks a field the layout names.
    explicit ReportEngine(const ReportLayout& layout);
    ~ReportEngine();

    static QPageLayout pageLayout();

    // Places the bands from the first record on; a table without records
    // gives no pages. Each run numbers the details from 1 again.
    void paginate();

    // The same placing a few records at a time, so a window can lay out a
    // long report between its events: startPagination forgets the pages,
    // and each paginateSome places up to records more, finishing each page
    // as it fills. True once every record is placed and the last page done.
    void startPagination();
    bool paginateSome(int records);
    int recordsPlaced() const { return m_placing.nextRecord; }
    int recordCount() const;

    int pageCount() const { return int(m_pages.size()); }
    const std::vector<PlacedBand>& page(int index) const { return m_pages[std::size_t(index)]; }

    // Draws one page with the painter's origin at the top left of the
    // printable area (inside the margins).
    void drawPage(QPainter& painter, int index) const;

    // Paginates and paints every page onto the device. progress(page, count)
    // is called before each page and stops the run by answering false.
    // False when the device could not be painted on or the run was stopped.
    bool render(QPagedPaintDevice& device,
                const std::function<bool(int page, int count)>& progress = {});

private:
    struct Style
    {
        QFont font;
        QFontMetricsF metrics;
        std::array<qreal, 256> advances{}; // of each Latin-1 character alone

        bool fits(const QString& text, qreal width) const;
    };
    struct Placed
    {
        const ReportElement* element;
        int field; // table field index for data fields
        const Style* style;
        qreal right; // where its text wraps
    };
    struct BandPlan
    {
        const ReportBand* band;
        std::vector<Placed> elements;
    };

    // Where paginateSome goes on from.
    struct Placing
    {
        int nextRecord = 0;
        std::vector<PlacedBand> page;
        qreal y = 0;
        bool pageHasDetail = false;
        bool done = true;
    };

    BandPlan planBand(const ReportBand& band);
    void finishPage();
    const Style* style(int pointSize, bool bold);
    QString elementText(const Placed& placed, const PlacedBand& where, int pageNumber) const;
    void measureStretch(const BandPlan& plan, PlacedBand& where) const;
    qreal shifts(const BandPlan& plan, const PlacedBand& where, std::vector<qreal>* moves) const;
    void drawBand(QPainter& painter, const BandPlan& plan, const PlacedBand& where,
                  int pageNumber) const;
    void drawPicture(QPainter& painter, const ReportElement& element, qreal top) const;

    const ReportLayout& m_layout;
    std::vector<std::unique_ptr<Style>> m_styles;
    mutable std::map<QString, std::unique_ptr<QSvgRenderer>> m_pictures;
    BandPlan m_title;
    BandPlan m_detail;
    BandPlan m_footer;
    std::vector<std::vector<PlacedBand>> m_pages;
    Placing m_placing;
};
