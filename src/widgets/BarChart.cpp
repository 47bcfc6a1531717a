// SPDX-License-Identifier: GPL-2.0-or-later
#include "BarChart.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

// Share of its slot a bar takes; the rest is the gap to the next bar.
constexpr double BarShare = 0.7;

// Text turned a quarter to the left, reading upwards, inside `box`.
void drawUpright(QPainter& painter, const QRectF& box, Qt::Alignment alignment, const QString& text)
{
    painter.save();
    painter.translate(box.left(), box.bottom());
    painter.rotate(-90);
    painter.drawText(QRectF(0, 0, box.height(), box.width()), alignment, text);
    painter.restore();
}

} // namespace

BarChart::BarChart(QWidget* parent) : QWidget(parent)
{
    // Reached with Tab, so a screen reader reads the bars on the way.
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
}

void BarChart::setTitle(const QString& title)
{
    m_title = title;
    describe();
    updateGeometry();
    update();
}

void BarChart::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    updateGeometry();
    update();
}

void BarChart::setBars(const QList<Bar>& bars)
{
    m_bars = bars;
    describe();
    updateGeometry();
    update();
}

QString BarChart::valueText(int index) const
{
    const Bar& bar = m_bars.at(index);
    return bar.text.isEmpty() ? QString::number(bar.value) : bar.text;
}

QRectF BarChart::barRect(int index) const
{
    return layout().bars.value(index);
}

void BarChart::describe()
{
    QStringList parts;
    for (int i = 0; i < m_bars.size(); ++i)
        parts << QStringLiteral("%1: %2").arg(m_bars[i].label, valueText(i));
    setAccessibleName(m_title);
    setAccessibleDescription(parts.join(QStringLiteral("; ")));
}

double BarChart::highest() const
{
    double top = 0;
    for (const Bar& bar : m_bars)
        top = std::max(top, bar.value);
    return top;
}

int BarChart::widestLabel() const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (const Bar& bar : m_bars)
        widest = std::max(widest, metrics.horizontalAdvance(bar.label));
    return widest;
}

int BarChart::widestValue() const
{
    const QFontMetrics metrics(font());
    int widest = 0;
    for (int i = 0; i < m_bars.size(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(valueText(i)));
    return widest;
}

BarChart::Layout BarChart::layout() const
{
    const int line = QFontMetrics(font()).height();
    const int margin = line / 2;
    QRectF area = QRectF(rect()).adjusted(margin, margin, -margin, -margin);
    Layout found;
    if (!m_title.isEmpty()) {
        found.title = QRectF(area.left(), area.top(), area.width(), line);
        area.setTop(found.title.bottom() + margin);
    }
    if (m_bars.isEmpty() || area.width() <= 0 || area.height() <= 0)
        return found;
    Layout bars = m_orientation == Qt::Vertical ? layoutVertical(area) : layoutHorizontal(area);
    bars.title = found.title;
    return bars;
}

BarChart::Layout BarChart::layoutVertical(QRectF area) const
{
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const double slot = area.width() / double(m_bars.size());
    Layout found;
    // Names and values that do not fit side by side stand upright.
    found.labelsUpright = widestLabel() + metrics.averageCharWidth() > slot;
    found.valuesUpright = widestValue() + metrics.averageCharWidth() > slot;
    const double labelHeight = found.labelsUpright ? widestLabel() : line;
    const double valueHeight = found.valuesUpright ? widestValue() : line;
    const double baseline = area.bottom() - labelHeight - line / 4.0;
    const double room = std::max(0.0, baseline - area.top() - valueHeight);
    const double top = highest();
    const double width = std::min(slot * BarShare, 4.0 * line);
    for (int i = 0; i < m_bars.size(); ++i) {
        const double left = area.left() + i * slot;
        const double height = top > 0 ? room * std::max(0.0, m_bars[i].value) / top : 0;
        found.bars << QRectF(left + (slot - width) / 2, baseline - height, width, height);
        found.labels << QRectF(left, baseline + line / 4.0, slot, labelHeight);
        found.values << QRectF(left, baseline - height - valueHeight, slot, valueHeight);
    }
    return found;
}

BarChart::Layout BarChart::layoutHorizontal(QRectF area) const
{
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const double slot = area.height() / double(m_bars.size());
    const double gap = line / 4.0;
    const double start = area.left() + widestLabel() + gap;
    const double room = std::max(0.0, area.right() - widestValue() - gap - start);
    const double top = highest();
    const double height = std::min(slot * BarShare, 2.0 * line);
    Layout found;
    for (int i = 0; i < m_bars.size(); ++i) {
        const double row = area.top() + i * slot;
        const double width = top > 0 ? room * std::max(0.0, m_bars[i].value) / top : 0;
        found.bars << QRectF(start, row + (slot - height) / 2, width, height);
        found.labels << QRectF(area.left(), row, widestLabel(), slot);
        found.values << QRectF(start + width + gap, row, widestValue(), slot);
    }
    return found;
}

QSize BarChart::sizeHint() const
{
    const QSize least = minimumSizeHint();
    const int line = QFontMetrics(font()).height();
    return m_orientation == Qt::Vertical
               ? QSize(std::max(least.width(), 320), least.height() + 8 * line)
               : QSize(least.width() + 12 * line, least.height() + 4 * line);
}

QSize BarChart::minimumSizeHint() const
{
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const int count = int(m_bars.size());
    const int titleWidth = metrics.horizontalAdvance(m_title) + line;
    const int titleHeight = m_title.isEmpty() ? line : 2 * line;
    if (m_orientation == Qt::Vertical) {
        // Upright names side by side, and room for short bars above them.
        const int width = std::max(titleWidth, count * (line + 2) + line);
        return {width, titleHeight + widestLabel() + widestValue() + 4 * line};
    }
    const int width = std::max(titleWidth, widestLabel() + widestValue() + 6 * line);
    return {width, titleHeight + count * (line + 2) + line};
}

void BarChart::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        updateGeometry();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

void BarChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const Layout found = layout();
    if (!m_title.isEmpty()) {
        QFont bold = font();
        bold.setBold(true);
        painter.setFont(bold);
        painter.setPen(colours.color(QPalette::WindowText));
        painter.drawText(found.title, Qt::AlignHCenter | Qt::AlignVCenter, m_title);
        painter.setFont(font());
    }
    if (!found.bars.isEmpty()) {
        // The axis the bars stand on.
        const QRectF first = found.bars.first(), last = found.bars.last();
        painter.setPen(colours.color(QPalette::Mid));
        if (m_orientation == Qt::Vertical)
            painter.drawLine(QPointF(found.labels.first().left(), first.bottom()),
                             QPointF(found.labels.last().right(), last.bottom()));
        else
            painter.drawLine(QPointF(first.left(), found.labels.first().top()),
                             QPointF(last.left(), found.labels.last().bottom()));
    }
    for (int i = 0; i < found.bars.size(); ++i) {
        painter.fillRect(found.bars[i], colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::WindowText));
        if (m_orientation == Qt::Horizontal) {
            painter.drawText(found.labels[i], Qt::AlignRight | Qt::AlignVCenter, m_bars[i].label);
            painter.drawText(found.values[i], Qt::AlignLeft | Qt::AlignVCenter, valueText(i));
            continue;
        }
        if (found.labelsUpright)
            drawUpright(painter, found.labels[i], Qt::AlignRight | Qt::AlignVCenter,
                        m_bars[i].label);
        else
            painter.drawText(found.labels[i], Qt::AlignHCenter | Qt::AlignTop, m_bars[i].label);
        if (found.valuesUpright)
            drawUpright(painter, found.values[i], Qt::AlignLeft | Qt::AlignVCenter, valueText(i));
        else
            painter.drawText(found.values[i], Qt::AlignHCenter | Qt::AlignBottom, valueText(i));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = colours.color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
