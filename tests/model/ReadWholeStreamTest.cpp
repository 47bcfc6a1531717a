// SPDX-License-Identifier: GPL-2.0-or-later
#include "QvedError.h"
#include "ReadWholeFile.h"

#include <QBuffer>
#include <QtTest>
#include <algorithm>
#include <cstring>
#include <memory>

namespace {

// Standard input from a pipe: no size to look at, read until it ends, or
// never ending (/dev/zero through a pipe).
class Pipe : public QIODevice
{
public:
    Pipe(const QByteArray& bytes, bool endless) : m_bytes(bytes), m_endless(endless) {}
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        if (m_endless) {
            std::memset(data, 'z', size_t(maxSize));
            return maxSize;
        }
        const qint64 count = std::min(maxSize, qint64(m_bytes.size()) - m_at);
        std::memcpy(data, m_bytes.constData() + m_at, size_t(count));
        m_at += count;
        return count;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    bool m_endless = false;
    qint64 m_at = 0;
};

} // namespace

// Standard input has no size known ahead: the bound holds while reading, in
// blocks, whether or not the stream tells its size.
class ReadWholeStreamTest : public QObject
{
    Q_OBJECT

private slots:
    void bound_data()
    {
        QTest::addColumn<bool>("sequential");
        QTest::addColumn<qint64>("size"); // -1: without end
        QTest::addColumn<qint64>("limit");
        QTest::addColumn<bool>("read");
        // Past a block of reading, so the bound is met between blocks too.
        const qint64 large = (qint64(1) << 20) * 3 + 5;
        for (const bool sequential : {false, true}) {
            const char* kind = sequential ? "pipe" : "file";
            QTest::addRow("%s at the bound", kind) << sequential << large << large << true;
            QTest::addRow("%s one byte past the bound", kind)
                << sequential << large + 1 << large << false;
            QTest::addRow("%s empty", kind) << sequential << qint64(0) << qint64(10) << true;
        }
        QTest::newRow("pipe without end") << true << qint64(-1) << large << false;
    }

    void bound()
    {
        QFETCH(bool, sequential);
        QFETCH(qint64, size);
        QFETCH(qint64, limit);
        QFETCH(bool, read);
        QByteArray bytes(qsizetype(std::max<qint64>(size, 0)), '\0');
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char('a' + i % 26);
        std::unique_ptr<QIODevice> stream;
        if (sequential)
            stream = std::make_unique<Pipe>(bytes, size < 0);
        else
            stream = std::make_unique<QBuffer>(&bytes);
        QVERIFY(stream->open(QIODevice::ReadOnly));
        try {
            const QByteArray content = ReadWholeStream(*stream, QStringLiteral("input"), limit);
            QVERIFY(read);
            QVERIFY(content == bytes);
        } catch (const QvedError& error) {
            QVERIFY2(!read, qPrintable(error.message()));
            QCOMPARE(error.kind(), QvedError::Kind::FileOpen);
            QCOMPARE(error.message(),
                     QStringLiteral("Cannot open file input: it is larger than %1 bytes, the most "
                                    "it may hold.")
                         .arg(limit));
        }
    }
};

QTEST_GUILESS_MAIN(ReadWholeStreamTest)
#include "ReadWholeStreamTest.moc"
