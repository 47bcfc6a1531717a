// SPDX-License-Identifier: GPL-2.0-or-later
#include "DarkPalette.h"
#include "PaletteColours.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QtTest>

// The editor's own colours: a light palette keeps those it always had, and
// any palette gets colours that stand out from the background they are on.
class TestPaletteColours : public QObject
{
    Q_OBJECT

private slots:
    void coloursFollowThePalette_data();
    void coloursFollowThePalette();
};

void TestPaletteColours::coloursFollowThePalette_data()
{
    QTest::addColumn<QString>("colour");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("light");
    QTest::addColumn<QString>("against"); // the colour it is seen on or under
    QTest::addColumn<double>("least");
    for (const bool dark : {false, true}) {
        const char* palette = dark ? "dark" : "light";
        QTest::addRow("%s: warning text", palette)
            << "alert" << dark << QColor(0xb0, 0x00, 0x00) << "window" << 4.5;
        QTest::addRow("%s: marked words under the text", palette)
            << "mark" << dark << QColor(0xff, 0xe6, 0x80) << "text" << 4.5;
        QTest::addRow("%s: spelling line", palette)
            << "spelling" << dark << QColor(Qt::red) << "base" << 3.0;
        QTest::addRow("%s: quiet line", palette) << "quiet" << dark << QColor() << "base" << 2.5;
    }
}

void TestPaletteColours::coloursFollowThePalette()
{
    QFETCH(QString, colour);
    QFETCH(bool, dark);
    QFETCH(QColor, light);
    QFETCH(QString, against);
    QFETCH(double, least);
    const QPalette palette =
        dark ? darkPalette() : QStyleFactory::create("Fusion")->standardPalette();
    QCOMPARE(PaletteColours::isDark(palette), dark);
    const QColor shown = colour == "alert"      ? PaletteColours::alert(palette)
                         : colour == "mark"     ? PaletteColours::mark(palette)
                         : colour == "spelling" ? PaletteColours::spelling(palette)
                                                : PaletteColours::quiet(palette);
    if (light.isValid()) {
        if (dark)
            QVERIFY2(shown != light, qPrintable(shown.name()));
        else
            QCOMPARE(shown, light);
    }
    const QColor background = against == "window" ? palette.color(QPalette::Window)
                              : against == "text" ? palette.color(QPalette::Text)
                                                  : palette.color(QPalette::Base);
    QVERIFY2(contrastRatio(shown, background) >= least,
             qPrintable(QString("%1 on %2: %3")
                            .arg(shown.name(), background.name())
                            .arg(contrastRatio(shown, background))));
}

QTEST_MAIN(TestPaletteColours)
#include "tst_PaletteColours.moc"
