// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportEngine.h"

#include "QvedError.h"
#include "ReportLayout.h"
#include "ReportResources.h"
#include "TextTable.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>
#include <algorithm>
#include <climits>

namespace {

constexpr qreal U = ReportEngine::UnitsPerInch;
constexpr qreal bandWidth = ReportLayout::BandWidth * U;
constexpr qreal pictureSide = 64.0 / 96.0 * U; // 64 screen pixels
constexpr qreal borderWidth = 2.0 / 96.0 * U;  // 2 screen pixels
constexpr qreal epsilon = 1e-6;
constexpr qreal columnGap = 0.08; // inches

QString withoutTrailingBlanks(QStringView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return text.first(end).toString();
}

// The lines the text breaks into at words (or anywhere within a word too
// long for a line), at most maxLines of them.
QStringList wrapText(const QString& text, const QFont& font, qreal width, int maxLines)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    while (lines.size() < maxLines) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        lines << withoutTrailingBlanks(
            QStringView(text).sliced(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

ReportEngine::PlacedBand placedAt(const ReportBand* band, qreal top)
{
    ReportEngine::PlacedBand placed;
    placed.band = band;
    placed.top = top;
    return placed;
}

} // namespace

ReportEngine::ReportEngine(const ReportLayout& layout) : m_layout(layout)
{
    RegisterReportResources();
    m_title = planBand(layout.titleBand());
    m_detail = planBand(layout.detailBand());
    m_footer = planBand(layout.pageFooterBand());
}

ReportEngine::~ReportEngine() = default;

QPageLayout ReportEngine::pageLayout()
{
    const qreal m = ReportLayout::Margin;
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Inch);
}

const ReportEngine::Style* ReportEngine::style(int pointSize, bool bold)
{
    const int pixelSize = qRound(pointSize * U / 72);
    for (const auto& s : m_styles) {
        if (s->font.pixelSize() == pixelSize && s->font.bold() == bold)
            return s.get();
    }
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    auto made = std::make_unique<Style>(Style{font, QFontMetricsF(font), {}});
    for (char16_t c = 0; c < 256; ++c)
        made->advances[c] = made->metrics.horizontalAdvance(QChar(c));
    m_styles.push_back(std::move(made));
    return m_styles.back().get();
}

bool ReportEngine::Style::fits(const QString& text, qreal width) const
{
    // Shaping a text to measure it costs as much as drawing it. The sum of
    // the single advances differs from the shaped width only by kerning,
    // which mostly narrows a text; the half em kept in hand covers the rest,
    // so most texts need no shaping.
    qreal sum = 0;
    for (QChar c : text) {
        if (c.unicode() >= 256)
            return metrics.horizontalAdvance(text) <= width;
        sum += advances[c.unicode()];
    }
    return sum <= width - font.pixelSize() / 2.0 || metrics.horizontalAdvance(text) <= width;
}

ReportEngine::BandPlan ReportEngine::planBand(const ReportBand& band)
{
    BandPlan plan{&band, {}};
    for (const ReportElement& e : band.elements) {
        int field = -1;
        if (e.kind == ReportElement::Kind::Field) {
            field = m_layout.table().fieldIndex(e.content);
            if (field < 0)
                throw QvedError(QvedError::Kind::Other,
                                QCoreApplication::translate("ReportEngine", "Field '%1' not found")
                                    .arg(e.content));
        }
        // A stretching text keeps to its column: it wraps short of the next
        // element on its line, so long answers never run into their
        // neighbours.
        qreal right = bandWidth;
        if (e.kind == ReportElement::Kind::Text && e.alignment == ReportElement::Alignment::Left &&
            e.width > 0)
            right = (e.left + e.width) * U;
        if (e.stretches) {
            for (const ReportElement& other : band.elements) {
                if (qAbs(other.top - e.top) < epsilon && other.left > e.left)
                    right = std::min(right, (other.left - columnGap) * U);
            }
        }
        plan.elements.push_back(Placed{&e, field, style(e.pointSize, e.bold), right});
    }
    return plan;
}

QString ReportEngine::elementText(const Placed& placed, const PlacedBand& where,
                                  int pageNumber) const
{
    switch (placed.element->kind) {
    case ReportElement::Kind::Field:
        return Windows1252::toUnicode(m_layout.table().value(where.record, placed.field));
    case ReportElement::Kind::DetailNumber:
        return QString::number(where.detailNumber);
    case ReportElement::Kind::PageNumber:
        return QString::number(pageNumber);
    case ReportElement::Kind::Text:
    case ReportElement::Kind::Picture:
        break;
    }
    return placed.element->content;
}

void ReportEngine::measureStretch(const BandPlan& plan, PlacedBand& where) const
{
    for (std::size_t i = 0; i < plan.elements.size(); ++i) {
        const Placed& placed = plan.elements[i];
        if (!placed.element->stretches)
            continue;
        const QString text = elementText(placed, where, 0);
        const qreal width = placed.right - placed.element->left * U;
        if (placed.style->fits(text, width))
            continue;
        QStringList lines = wrapText(text, placed.style->font, width, INT_MAX);
        if (lines.size() > 1)
            where.wrapped.push_back(WrappedText{int(i), std::move(lines)});
    }
    where.stretch = shifts(plan, where, nullptr);
}

// Each line of the band (the elements sharing a top) grows by its tallest
// wrapped text, and moves every line below it down by as much. Answers the
// whole growth; moves receives how far each element moves.
qreal ReportEngine::shifts(const BandPlan& plan, const PlacedBand& where,
                           std::vector<qreal>* moves) const
{
    std::vector<std::pair<qreal, qreal>> growth; // line top, extra height
    for (const WrappedText& w : where.wrapped) {
        const Placed& placed = plan.elements[std::size_t(w.element)];
        const qreal extra = (w.lines.size() - 1) * placed.style->metrics.lineSpacing();
        const qreal top = placed.element->top;
        auto line = std::find_if(growth.begin(), growth.end(),
                                 [top](const auto& g) { return qAbs(g.first - top) < epsilon; });
        if (line == growth.end())
            growth.emplace_back(top, extra);
        else
            line->second = std::max(line->second, extra);
    }
    qreal total = 0;
    for (const auto& g : growth)
        total += g.second;
    if (moves) {
        moves->assign(plan.elements.size(), 0);
        for (std::size_t i = 0; i < plan.elements.size(); ++i) {
            for (const auto& g : growth) {
                if (g.first < plan.elements[i].element->top - epsilon)
                    (*moves)[i] += g.second;
            }
        }
    }
    return total;
}

void ReportEngine::paginate()
{
    startPagination();
    paginateSome(INT_MAX);
}

int ReportEngine::recordCount() const
{
    return m_layout.table().recordCount();
}

void ReportEngine::startPagination()
{
    m_pages.clear();
    m_placing = Placing();
    // A table without records gives no pages, not an empty one.
    m_placing.done = m_layout.table().recordCount() == 0;
    if (m_placing.done)
        return;
    m_placing.page.push_back(placedAt(m_title.band, 0));
    m_placing.y = m_title.band->height * U;
}

void ReportEngine::finishPage()
{
    const qreal footerTop = (ReportLayout::BandsHeight - m_footer.band->height) * U;
    m_placing.page.push_back(placedAt(m_footer.band, footerTop));
    m_pages.push_back(std::move(m_placing.page));
    m_placing.page.clear();
    m_placing.y = 0;
    m_placing.pageHasDetail = false;
}

bool ReportEngine::paginateSome(int records)
{
    if (m_placing.done)
        return true;
    const int count = m_layout.table().recordCount();
    const int last =
        records >= count - m_placing.nextRecord ? count : m_placing.nextRecord + records;
    const qreal footerTop = (ReportLayout::BandsHeight - m_footer.band->height) * U;
    Placing& at = m_placing;
    for (; at.nextRecord < last; ++at.nextRecord) {
        PlacedBand detail = placedAt(m_detail.band, 0);
        detail.record = at.nextRecord;
        detail.detailNumber = at.nextRecord + 1;
        measureStretch(m_detail, detail);
        const qreal height = m_detail.band->height * U + detail.stretch;
        // A band taller than a whole page still gets a page of its own.
        if (at.pageHasDetail && at.y + height > footerTop + epsilon)
            finishPage();
        detail.top = at.y;
        at.y += height;
        at.page.push_back(std::move(detail));
        at.pageHasDetail = true;
    }
    if (at.nextRecord < count)
        return false;
    finishPage();
    at.done = true;
    return true;
}

void ReportEngine::drawPicture(QPainter& painter, const ReportElement& element, qreal top) const
{
    auto& renderer = m_pictures[element.content];
    if (!renderer)
        renderer = std::make_unique<QSvgRenderer>(element.content);
    const qreal side = std::min({pictureSide, element.width * U, element.height * U});
    const QRectF frame(element.left * U, top, element.width * U, element.height * U);
    QRectF target(0, 0, side, side);
    target.moveCenter(frame.center());
    renderer->render(&painter, target);
}

void ReportEngine::drawBand(QPainter& painter, const BandPlan& plan, const PlacedBand& where,
                            int pageNumber) const
{
    std::vector<qreal> moves;
    if (!where.wrapped.empty())
        shifts(plan, where, &moves);
    for (std::size_t i = 0; i < plan.elements.size(); ++i) {
        const Placed& placed = plan.elements[i];
        const ReportElement& e = *placed.element;
        const qreal top = where.top + e.top * U + (moves.empty() ? 0 : moves[i]);
        if (e.kind == ReportElement::Kind::Picture) {
            drawPicture(painter, e, top);
            continue;
        }
        const Style& s = *placed.style;
        if (painter.font() != s.font)
            painter.setFont(s.font);
        const qreal baseline = top + s.metrics.ascent();
        qreal x = e.left * U;
        const auto wrapped =
            std::find_if(where.wrapped.begin(), where.wrapped.end(),
                         [i](const WrappedText& w) { return w.element == int(i); });
        if (wrapped != where.wrapped.end()) {
            for (qsizetype line = 0; line < wrapped->lines.size(); ++line)
                painter.drawText(QPointF(x, baseline + line * s.metrics.lineSpacing()),
                                 wrapped->lines[line]);
            continue;
        }
        QString text = elementText(placed, where, pageNumber);
        switch (e.alignment) {
        case ReportElement::Alignment::CentredInBand:
            x = (bandWidth - s.metrics.horizontalAdvance(text)) / 2;
            break;
        case ReportElement::Alignment::RightInBox:
            x = (e.left + e.width) * U - s.metrics.horizontalAdvance(text);
            break;
        case ReportElement::Alignment::Left:
            if (!s.fits(text, placed.right - x))
                text = wrapText(text, s.font, placed.right - x, 1).value(0);
            break;
        }
        painter.drawText(QPointF(x, baseline), text);
    }

    if (plan.band->bottomBorder != ReportBand::Border::None) {
        QPen pen(Qt::black, borderWidth,
                 plan.band->bottomBorder == ReportBand::Border::Dotted ? Qt::DotLine
                                                                       : Qt::SolidLine,
                 Qt::FlatCap);
        painter.setPen(pen);
        const qreal y = where.top + plan.band->height * U + where.stretch - borderWidth / 2;
        painter.drawLine(QPointF(0, y), QPointF(bandWidth, y));
        painter.setPen(Qt::black);
    }
}

void ReportEngine::drawPage(QPainter& painter, int index) const
{
    painter.save();
    const QPaintDevice* device = painter.device();
    painter.scale(device->logicalDpiX() / U, device->logicalDpiY() / U);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const PlacedBand& where : page(index)) {
        const BandPlan& plan = where.band == m_title.band    ? m_title
                               : where.band == m_detail.band ? m_detail
                                                             : m_footer;
        drawBand(painter, plan, where, index + 1);
    }
    painter.restore();
}

bool ReportEngine::render(QPagedPaintDevice& device,
                          const std::function<bool(int page, int count)>& progress)
{
    paginate();
    if (m_pages.empty())
        return true;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int i = 0; i < pageCount(); ++i) {
        if (progress && !progress(i + 1, pageCount()))
            return false;
        if (i > 0)
            device.newPage();
        drawPage(painter, i);
    }
    return painter.end();
}
