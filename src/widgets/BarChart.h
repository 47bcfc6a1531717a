// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QWidget>

// A bar chart painted with the widget's own palette and font: one bar a
// value, each with its label and its value written beside it, scaled so the
// highest bar fills the room the window gives. Vertical bars rise from the
// labels along the bottom (turned upright when they do not fit side by
// side); horizontal bars run right from the labels on the left.
//
// Screen readers get the chart's title as its accessible name and every bar
// as "label: value" in its accessible description, in order, so the numbers
// are read without the picture.
class BarChart : public QWidget
{
    Q_OBJECT

public:
    struct Bar
    {
        QString label;
        double value = 0;
        // What is written at the bar; the value itself when empty.
        QString text;
    };

    explicit BarChart(QWidget* parent = nullptr);

    void setTitle(const QString& title);
    QString title() const { return m_title; }
    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return m_orientation; }
    // Negative values are drawn as empty bars.
    void setBars(const QList<Bar>& bars);
    const QList<Bar>& bars() const { return m_bars; }

    // What is written at bar `index`.
    QString valueText(int index) const;
    // Where bar `index` is painted, in the widget's coordinates.
    QRectF barRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Layout
    {
        QRectF title;
        QList<QRectF> bars, labels, values;
        bool labelsUpright = false;
        bool valuesUpright = false;
    };

    Layout layout() const;
    Layout layoutVertical(QRectF area) const;
    Layout layoutHorizontal(QRectF area) const;
    double highest() const;
    int widestLabel() const;
    int widestValue() const;
    void describe();

    QString m_title;
    Qt::Orientation m_orientation = Qt::Vertical;
    QList<Bar> m_bars;
};
