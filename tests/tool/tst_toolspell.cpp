// SPDX-License-Identifier: GPL-2.0-or-later
// qvedtool spell on input it cannot read: the real executable on files made
// here.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

ToolRun runTool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QVEDTOOL_PATH), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// A well-formed line: book number, level digit, letter, the stored
// reference, question and answers.
QByteArray line(const QByteArray& book, const QByteArray& level, const QByteArray& letter,
                const QByteArray& reference, const QByteArray& question,
                const QByteArray& answerA = "a")
{
    return '"' +
           QByteArrayList{book, level, letter, reference, question, answerA, "b", "c", "d"}.join(
               "\",\"") +
           '"';
}

const QByteArray firstMan = line("C1", "1", "A", "Gen. 2:7", "Who was the first man?", "Adam");

} // namespace

class ToolSpellTest : public QObject
{
    Q_OBJECT

private slots:
    void spellCountsWhatItCannotRead_data();
    void spellCountsWhatItCannotRead();

private:
    QTemporaryDir m_dir;
};

// A line whose words cannot be read is no line without mistakes: each is
// listed with its number, counted, and the exit status says so.
void ToolSpellTest::spellCountsWhatItCannotRead_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QList<int>>("listed"); // empty: every line
    QTest::addColumn<QString>("summary");   // %1: the number of lines

    QByteArray binary;
    for (int pass = 0; pass < 4; ++pass) {
        for (int b = 0; b < 256; ++b)
            binary += char(b);
    }
    QTest::newRow("binary input")
        << binary << QList<int>{}
        << "checked: %1 questions, 0 misspelt words, %1 lines that do not decode";
    const QByteArray fields =
        "\"A\",\"Gen. 2:7\",\"Who was the first man?\",\"Adam\",\"b\",\"c\",\"d\"";
    QTest::newRow("bad numbers among good lines")
        << firstMan + "\r\n\"C1\",\"x\"," + fields + "\r\n\"Cz\",\"1\"," + fields + "\r\n" +
               firstMan + "\r\n"
        << QList<int>{2, 3} << "checked: 4 questions, 0 misspelt words, 2 lines that do not decode";
    QTest::newRow("control bytes in a question")
        << firstMan + "\r\n" + line("C1", "1", "A", "Gen. 2:7", "Who was \x01\x02 man?") + "\r\n"
        << QList<int>{2} << "checked: 2 questions, 0 misspelt words, 1 lines that do not decode";
}

void ToolSpellTest::spellCountsWhatItCannotRead()
{
    QFETCH(QByteArray, content);
    QFETCH(QList<int>, listed);
    QFETCH(QString, summary);
    const QString path = m_dir.filePath(QStringLiteral("unread.qus"));
    QFile input(path);
    QVERIFY(input.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(input.write(content), content.size());
    input.close();
    const ToolRun run = runTool({QStringLiteral("spell"), path});
    if (run.err.contains(u"No spelling dictionary"))
        QSKIP("No en_US Hunspell dictionary is installed (hunspell-en-us): skipped");
    QCOMPARE(run.exitCode, 1);
    QStringList out = run.outLines();
    QVERIFY(!out.isEmpty());
    const QString last = out.takeLast();
    const int lines = last.section(u' ', 1, 1).toInt();
    QVERIFY2(lines > 0, qPrintable(last));
    QCOMPARE(last, summary.contains(u"%1") ? summary.arg(lines) : summary);
    if (listed.isEmpty()) {
        for (int number = 1; number <= lines; ++number)
            listed += number;
    }
    QList<int> numbers;
    for (const QString& problem : std::as_const(out))
        numbers += problem.section(u':', 0, 0).toInt();
    QCOMPARE(numbers, listed);
}

QTEST_GUILESS_MAIN(ToolSpellTest)
#include "tst_toolspell.moc"
