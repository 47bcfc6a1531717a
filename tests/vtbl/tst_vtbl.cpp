// SPDX-License-Identifier: GPL-2.0-or-later
#include "vtbl.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

namespace {

constexpr int kRows = 68;
constexpr int kColumns = 152;
constexpr int kBooks = 66;
constexpr qint64 kFileSize = qint64(kRows) * kColumns * 2;

// The table as read back: element (r, c) decoded explicitly as little-endian.
struct Table
{
    QByteArray bytes;

    int at(int row, int column) const
    {
        const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
        return qFromLittleEndian<qint16>(p + (row * kColumns + column) * 2);
    }
    int chapters(int book) const { return at(0, book + 1); }
    int verses(int book, int chapter) const { return at(book + 1, chapter); }
};

QByteArray withSlash(const QTemporaryDir& dir)
{
    return QFile::encodeName(dir.path() + QLatin1Char('/'));
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

} // namespace

class TestVtbl : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Table m_table;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        BuildValDtaFile(withSlash(m_dir).constData());
        m_table.bytes = readAll(m_dir.filePath(QStringLiteral("qvedval.dta")));
        QCOMPARE(m_table.bytes.size(), kFileSize);
    }

    void onlyTheTableIsLeftBehind()
    {
        // The temporary name must have been renamed away, not left as litter.
        const QStringList entries =
            QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(entries, QStringList{QStringLiteral("qvedval.dta")});
    }

    void totals()
    {
        int chapters = 0;
        int verses = 0;
        for (int b = 0; b < kBooks; ++b) {
            const int n = m_table.chapters(b);
            QVERIFY2(n >= 1 && n <= 150, qPrintable(QStringLiteral("book %1").arg(b)));
            chapters += n;
            for (int c = 1; c <= n; ++c) {
                const int v = m_table.verses(b, c);
                QVERIFY2(v >= 1, qPrintable(QStringLiteral("book %1 chapter %2").arg(b).arg(c)));
                verses += v;
            }
        }
        QCOMPARE(chapters, 1189);
        QCOMPARE(verses, 31102);
    }

    void chapterCounts_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("chapters");
        QTest::newRow("Genesis") << 0 << 50;
        QTest::newRow("Psalms") << 18 << 150;
        QTest::newRow("Joel") << 28 << 3;
        QTest::newRow("Obadiah") << 30 << 1;
        QTest::newRow("Malachi") << 38 << 4;
        QTest::newRow("Philemon") << 56 << 1;
        QTest::newRow("2 John") << 62 << 1;
        QTest::newRow("3 John") << 63 << 1;
        QTest::newRow("Jude") << 64 << 1;
        QTest::newRow("Revelation") << 65 << 22;
    }

    void chapterCounts()
    {
        QFETCH(int, book);
        QFETCH(int, chapters);
        QCOMPARE(m_table.chapters(book), chapters);
    }

    void verseCounts_data()
    {
        QTest::addColumn<int>("book");
        QTest::addColumn<int>("chapter");
        QTest::addColumn<int>("verses");
        QTest::newRow("Genesis 1") << 0 << 1 << 31;
        QTest::newRow("Genesis 50") << 0 << 50 << 26;
        QTest::newRow("Psalm 117") << 18 << 117 << 2;
        QTest::newRow("Psalm 119") << 18 << 119 << 176;
        QTest::newRow("Psalm 150") << 18 << 150 << 6;
        QTest::newRow("Obadiah 1") << 30 << 1 << 21;
        QTest::newRow("Malachi 4") << 38 << 4 << 6;
        QTest::newRow("Philemon 1") << 56 << 1 << 25;
        QTest::newRow("2 John 1") << 62 << 1 << 13;
        QTest::newRow("3 John 1") << 63 << 1 << 14;
        QTest::newRow("Jude 1") << 64 << 1 << 25;
        QTest::newRow("Revelation 22") << 65 << 22 << 21;
    }

    void verseCounts()
    {
        QFETCH(int, book);
        QFETCH(int, chapter);
        QFETCH(int, verses);
        QCOMPARE(m_table.verses(book, chapter), verses);
    }

    void unusedElementsAreZero()
    {
        for (int r = 0; r < kRows; ++r) {
            int lastUsed = 0; // columns 1..lastUsed are read by the editor
            if (r == 0)
                lastUsed = kBooks;
            else if (r <= kBooks)
                lastUsed = m_table.chapters(r - 1);
            for (int c = 0; c < kColumns; ++c) {
                if (c >= 1 && c <= lastUsed)
                    continue;
                QVERIFY2(m_table.at(r, c) == 0,
                         qPrintable(QStringLiteral("row %1 column %2").arg(r).arg(c)));
            }
        }
    }

    void rebuildReplacesAnOldFile()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("qvedval.dta"));
        {
            // Longer than the table, so a write that does not truncate shows.
            QFile stale(path);
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write(QByteArray(kFileSize + 1000, '\xFF'));
        }
        BuildValDtaFile(withSlash(dir).constData());
        QCOMPARE(readAll(path), m_table.bytes);
        BuildValDtaFile(withSlash(dir).constData());
        QCOMPARE(readAll(path), m_table.bytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }

    void folderWithoutTrailingSeparator()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        BuildValDtaFile(QFile::encodeName(dir.path()).constData());
        QCOMPARE(readAll(dir.filePath(QStringLiteral("qvedval.dta"))), m_table.bytes);
    }

    void missingFolderLeavesNoFile()
    {
        QTemporaryDir parent;
        QVERIFY(parent.isValid());
        const QString missing = parent.filePath(QStringLiteral("absent"));
        BuildValDtaFile(QFile::encodeName(missing + QLatin1Char('/')).constData());
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(
            QDir(parent.path()).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
    }

    void nullFolderIsIgnored() { BuildValDtaFile(nullptr); }
};

QTEST_GUILESS_MAIN(TestVtbl)
#include "tst_vtbl.moc"
