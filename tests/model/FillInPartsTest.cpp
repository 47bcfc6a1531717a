// SPDX-License-Identifier: GPL-2.0-or-later
// A file decoded in blocks side by side must come out as from one pass: the
// same rows, question column, marks and record, and the same first error.
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "ReadWholeFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <functional>

using LineMaker = std::function<QByteArray(int index)>;
Q_DECLARE_METATYPE(LineMaker)
Q_DECLARE_METATYPE(DecodeMode)

class FillInPartsTest : public QObject
{
    Q_OBJECT

private slots:
    void partsMatchOnePass_data();
    void partsMatchOnePass();
    void fileReadInParts();
};

namespace {

// Enough lines for four blocks of the smallest size worth a thread, even
// of the shortest lines.
constexpr int Lines = 44000;

QByteArray complete(int i)
{
    const QByteArray n = QByteArray::number(i);
    return "\"C" + QByteArray::number(i % 66 + 1).rightJustified(2, '0') + "\",\"" +
           QByteArray::number(i % 4 + 1) + "\",\"" + char('A' + i % 4) + "\",\"Gen " +
           QByteArray::number(i % 30 + 1) + ":" + QByteArray::number(i % 20 + 1) +
           "\",\"Question " + n + " of the bank?\",\"Answer A " + n +
           "\",\"Answer B\",\"Answer C\","
           "\"Answer D " +
           n + "\"";
}

// Book, level, correct letter and reference, no question.
QByteArray noQuestion(int i)
{
    return "\"C02\",\"" + QByteArray::number(i % 4 + 1) + "\",\"B\",\"Exo " +
           QByteArray::number(i % 40 + 1) + ":1\"";
}

// Up to the question, no answers.
QByteArray fiveFields(int i)
{
    return "\"C03\",\"2\",\"C\",\"Lev 3:" + QByteArray::number(i % 17 + 1) + "\",\"Short " +
           QByteArray::number(i) + "?\"";
}

// Line fractions where blocks of two, three and four parts begin.
bool nearBlockStart(int i)
{
    for (const double at : {1.0 / 4, 1.0 / 3, 1.0 / 2, 2.0 / 3, 3.0 / 4})
        if (std::abs(i - at * Lines) < 400)
            return true;
    return false;
}

QByteArray content(const LineMaker& make, bool mixedEndings)
{
    QByteArray bytes;
    for (int i = 0; i < Lines; ++i) {
        bytes += make(i);
        if (!mixedEndings)
            bytes += "\r\n";
        else
            bytes += i % 5 == 0 ? "\r" : i % 5 == 1 ? "\n" : i % 5 == 2 ? "\r\n\r\n" : "\r\n";
    }
    return bytes;
}

struct Filled
{
    QuestionList list;
    QuestionRecord record;
    QString error;
};

void fill(Filled& filled, const QByteArray& bytes, DecodeMode mode, int parts)
{
    filled.record.Question.assign("Shown before the load");
    filled.record.AnswerD.assign("Answer kept from before");
    try {
        filled.list.fillFromContent(bytes, filled.record, mode, parts);
    } catch (const QvedError& error) {
        filled.error = error.message();
    }
}

} // namespace

void FillInPartsTest::partsMatchOnePass_data()
{
    QTest::addColumn<LineMaker>("make");
    QTest::addColumn<bool>("mixedEndings");
    QTest::addColumn<DecodeMode>("mode");

    QTest::newRow("complete lines") << LineMaker(complete) << false << DecodeMode::QuestionOnly;
    QTest::newRow("questionless lines across every block start")
        << LineMaker([](int i) { return nearBlockStart(i) ? noQuestion(i) : complete(i); }) << false
        << DecodeMode::QuestionOnly;
    QTest::newRow("no question before the last block")
        << LineMaker([](int i) { return i < Lines * 9 / 10 ? noQuestion(i) : complete(i); })
        << false << DecodeMode::QuestionOnly;
    QTest::newRow("lone CR, lone LF and empty lines")
        << LineMaker([](int i) { return i % 7 == 0 ? noQuestion(i) : complete(i); }) << true
        << DecodeMode::QuestionOnly;
    QTest::newRow("answers from an earlier block")
        << LineMaker([](int i) { return i < Lines / 5 ? complete(i) : fiveFields(i); }) << false
        << DecodeMode::Full;
    QTest::newRow("a bad level in the last block") << LineMaker([](int i) {
        return i == Lines * 9 / 10 ? QByteArray("\"C05\",\"x\",\"A\",\"Deu 1:1\"") : complete(i);
    }) << false << DecodeMode::QuestionOnly;
    QTest::newRow("two bad lines, the first one reported") << LineMaker([](int i) {
        return i == Lines / 5 || i == Lines * 4 / 5 ? QByteArray("\"C0y\",\"1\",\"A\",\"Deu 1:1\"")
                                                    : complete(i);
    }) << false << DecodeMode::Full;
}

void FillInPartsTest::partsMatchOnePass()
{
    QFETCH(LineMaker, make);
    QFETCH(bool, mixedEndings);
    QFETCH(DecodeMode, mode);
    const QByteArray bytes = content(make, mixedEndings);

    Filled once;
    fill(once, bytes, mode, 1);
    for (const int parts : {2, 3, 4}) {
        Filled split;
        fill(split, bytes, mode, parts);
        QCOMPARE(split.error, once.error);
        QCOMPARE(split.list.count(), once.list.count());
        for (int i = 0; i < once.list.count(); ++i) {
            if (split.list.line(i) != once.list.line(i) ||
                split.list.questionCell(i) != once.list.questionCell(i) ||
                split.list.marks(i) != once.list.marks(i))
                QFAIL(qPrintable(QStringLiteral("%1 parts: row %2 differs: '%3' instead of '%4'")
                                     .arg(parts)
                                     .arg(i)
                                     .arg(QString::fromLatin1(split.list.questionCell(i)),
                                          QString::fromLatin1(once.list.questionCell(i)))));
        }
        QVERIFY2(split.record == once.record, qPrintable(QStringLiteral("%1 parts").arg(parts)));
    }
}

// Blocks read side by side join into the file's bytes, in order, also when
// the size does not divide evenly.
void FillInPartsTest::fileReadInParts()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bank.qus"));
    QByteArray bytes;
    for (int i = 0; bytes.size() < (qsizetype(9) << 20) + 7; ++i)
        bytes += complete(i) + "\r\n";
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    for (const int parts : {1, 2, 3})
        QVERIFY2(ReadWholeFileInParts(path, parts) == bytes,
                 qPrintable(QStringLiteral("%1 parts").arg(parts)));
}

QTEST_GUILESS_MAIN(FillInPartsTest)
#include "FillInPartsTest.moc"
