// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmAbout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestTfrmAbout : public QObject
{
    Q_OBJECT

private slots:
    void toggling_data();
    void toggling();
    void programIcon();
};

void TestTfrmAbout::toggling_data()
{
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("height");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("bulb");
    QTest::newRow("opened") << 0 << 245 << "&More Info"
                            << ":/about/bulb-on.svg";
    QTest::newRow("one press") << 1 << 380 << "&Less Info"
                               << ":/about/bulb-off.svg";
    QTest::newRow("two presses") << 2 << 245 << "&More Info"
                                 << ":/about/bulb-on.svg";
    QTest::newRow("three presses") << 3 << 380 << "&Less Info"
                                   << ":/about/bulb-off.svg";
}

void TestTfrmAbout::toggling()
{
    QFETCH(int, presses);
    QFETCH(int, height);
    QFETCH(QString, caption);
    QFETCH(QString, bulb);
    {
        // An earlier box left expanded does not carry over.
        TfrmAbout earlier;
        earlier.show();
        QTest::mouseClick(earlier.findChild<QPushButton*>("btnMoreInfo"), Qt::LeftButton);
    }
    TfrmAbout box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int top = box.geometry().top();
    auto* button = box.findChild<QPushButton*>("btnMoreInfo");
    for (int i = 0; i < presses; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(box.size(), QSize(354, height));
    QCOMPARE(box.geometry().top(), top);
    QCOMPARE(button->text(), caption);
    const QImage glyph = button->icon().pixmap(16, 16).toImage();
    QVERIFY(!glyph.isNull());
    QCOMPARE(glyph, QIcon(bulb).pixmap(16, 16).toImage());
    // The contact panel lies wholly inside the expanded box only.
    QCOMPARE(box.rect().contains(box.findChild<QWidget*>("Panel2")->geometry()), height == 380);
}

// The program's own icon, the one its windows carry.
void TestTfrmAbout::programIcon()
{
    TfrmAbout box;
    const QImage shown = box.findChild<QLabel*>("ProgramIcon")->pixmap().toImage();
    QVERIFY(!shown.isNull());
    QCOMPARE(shown, QIcon(":/icons/app.svg").pixmap(32, 32).toImage());
}

QTEST_MAIN(TestTfrmAbout)
#include "tst_TfrmAbout.moc"
