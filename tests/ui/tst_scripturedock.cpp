// SPDX-License-Identifier: GPL-2.0-or-later
#include "ScriptureDock.h"

#include <QtTest>

// The dock reads the panel's book and reference with the lookup qvedtool
// verse uses: every form the panel accepts shows its verses, and what is
// not one reference says why instead of showing another passage.
class ScriptureDockTest : public QObject
{
    Q_OBJECT

private slots:
    void panelReference_data();
    void panelReference();
};

void ScriptureDockTest::panelReference_data()
{
    QTest::addColumn<int>("book"); // book table index
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("shownStart");

    QTest::newRow("verse") << 0 << "2:7"
                           << "Genesis 2:7\nAnd the LORD God formed man of the dust of the ground";
    QTest::newRow("verse range, blanks around the numbers")
        << 0 << " 1 : 1 - 3"
        << "Genesis 1:1-3\n1 In the beginning God created";
    QTest::newRow("chapter") << 18 << "23"
                             << "Psalms 23\n1 The LORD is my shepherd";
    QTest::newRow("numbered book") << 61 << "3:16"
                                   << "I John 3:16\nHereby perceive we the love";
    QTest::newRow("list of verses")
        << 0 << "1:1,3"
        << "'1:1,3' is a list of references; look up one verse, range or chapter at a time.";
    QTest::newRow("range of chapters")
        << 0 << "1-2"
        << "'1-2' spans several chapters; look up one chapter at a time.";
    QTest::newRow("verse past the end") << 0 << "1:1234"
                                        << "Genesis 1 has no verse 1234; it has 31 verses.";
}

void ScriptureDockTest::panelReference()
{
    QFETCH(int, book);
    QFETCH(QString, reference);
    QFETCH(QString, shownStart);
    ScriptureDock dock;
    if (dock.moduleName().isEmpty())
        QSKIP("No SWORD Bible module is installed (sword-text-kjv): skipped");
    dock.show();
    dock.setQuestion(book, reference, QString());
    const QString shown = dock.shownText();
    QVERIFY2(shown.startsWith(shownStart), qPrintable(shown));
}

QTEST_MAIN(ScriptureDockTest)
#include "tst_scripturedock.moc"
