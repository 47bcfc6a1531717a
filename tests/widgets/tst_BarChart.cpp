// SPDX-License-Identifier: GPL-2.0-or-later
#include "BarChart.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

using Bars = QList<BarChart::Bar>;

class TestBarChart : public QObject
{
    Q_OBJECT

private slots:
    void barsScaleWithWindow_data();
    void barsScaleWithWindow();
    void readAloud_data();
    void readAloud();
    void paintsWithPalette();
};

// The length of a bar along its value axis.
static double length(const QRectF& bar, Qt::Orientation orientation)
{
    return orientation == Qt::Vertical ? bar.height() : bar.width();
}

void TestBarChart::barsScaleWithWindow_data()
{
    QTest::addColumn<Qt::Orientation>("orientation");
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<QString>("title");
    QTest::newRow("vertical") << Qt::Vertical << QList<double>{3, 6, 0, 1.5} << "Levels";
    QTest::newRow("horizontal") << Qt::Horizontal << QList<double>{3, 6, 0, 1.5} << "Levels";
    QTest::newRow("vertical, untitled, many")
        << Qt::Vertical << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 40} << "";
    QTest::newRow("horizontal, one") << Qt::Horizontal << QList<double>{7} << "Books";
}

// Each bar's length is its share of the highest value, the bars stand on
// one line in their order without touching, inside the widget, and grow
// when the window does.
void TestBarChart::barsScaleWithWindow()
{
    QFETCH(Qt::Orientation, orientation);
    QFETCH(QList<double>, values);
    QFETCH(QString, title);
    BarChart chart;
    chart.setTitle(title);
    chart.setOrientation(orientation);
    Bars bars;
    for (double value : values)
        bars << BarChart::Bar{QStringLiteral("Bar %1").arg(bars.size()), value, {}};
    chart.setBars(bars);
    const double highest = *std::max_element(values.begin(), values.end());

    double longest = 0;
    for (const QSize size : {QSize(500, 400), QSize(1000, 800)}) {
        chart.resize(size);
        const int top = int(std::max_element(values.begin(), values.end()) - values.begin());
        const double full = length(chart.barRect(top), orientation);
        QVERIFY2(full > longest, qPrintable(QStringLiteral("longest bar %1 at %2x%3")
                                                .arg(full)
                                                .arg(size.width())
                                                .arg(size.height())));
        longest = full;
        for (int i = 0; i < values.size(); ++i) {
            const QRectF bar = chart.barRect(i);
            const QRectF inside(chart.rect());
            QVERIFY(inside.contains(bar.topLeft()) && inside.contains(bar.bottomRight()));
            QVERIFY(qAbs(length(bar, orientation) - full * values[i] / highest) < 0.01);
            if (i == 0)
                continue;
            const QRectF before = chart.barRect(i - 1);
            if (orientation == Qt::Vertical) {
                QCOMPARE(bar.bottom(), before.bottom());
                QVERIFY(bar.left() > before.right());
            } else {
                QCOMPARE(bar.left(), before.left());
                QVERIFY(bar.top() > before.bottom());
            }
        }
    }
}

void TestBarChart::readAloud_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<Bars>("bars");
    QTest::addColumn<QString>("description");
    QTest::newRow("counts") << "Questions by book"
                            << Bars{{"Gen.", 12, {}}, {"Exod.", 0, {}}, {"(none)", 3, {}}}
                            << "Gen.: 12; Exod.: 0; (none): 3";
    QTest::newRow("written values")
        << "Share of each correct answer (%)"
        << Bars{{"A", 62.5, "62.5%"}, {"B", 37.5, "37.5%"}, {"C", 0, "0.0%"}}
        << "A: 62.5%; B: 37.5%; C: 0.0%";
    QTest::newRow("no bars") << "By level" << Bars{} << "";
}

// A screen reader hears the title as the chart's name and every bar, in
// order, with what is written at it.
void TestBarChart::readAloud()
{
    QFETCH(QString, title);
    QFETCH(Bars, bars);
    QFETCH(QString, description);
    BarChart chart;
    chart.setBars({{"Old", 1, {}}});
    chart.setTitle(title);
    chart.setBars(bars);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&chart);
    QVERIFY(reader);
    QCOMPARE(reader->text(QAccessible::Name), title);
    QCOMPARE(reader->text(QAccessible::Description), description);
}

// The bars take the palette's highlight, and a new palette repaints them.
void TestBarChart::paintsWithPalette()
{
    BarChart chart;
    chart.setBars({{"A", 2, {}}, {"B", 4, {}}});
    chart.resize(300, 240);
    const QPoint middle = chart.barRect(1).center().toPoint();
    for (const QColor colour : {QColor(0x12, 0x80, 0x40), QColor(0xc0, 0x30, 0xa0)}) {
        QPalette palette = chart.palette();
        palette.setColor(QPalette::Highlight, colour);
        chart.setPalette(palette);
        const QImage picture = chart.grab().toImage();
        QCOMPARE(picture.pixelColor(middle), colour);
    }
}

QTEST_MAIN(TestBarChart)
#include "tst_BarChart.moc"
