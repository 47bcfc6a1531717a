// SPDX-License-Identifier: GPL-2.0-or-later
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

// What qvedtool reads and what it may write: every command refuses a
// question file the editor's Open refuses (a device, a FIFO, a file past
// the bound), reads standard input to the same bound, and no output ever
// replaces the question file.
class ToolInputTest : public QObject
{
    Q_OBJECT

private:
    struct Run
    {
        int exitCode = -1;
        QString out;
        QString err;
    };
    // standardInput: a file for the tool's standard input, or empty.
    static Run runTool(const QStringList& arguments, const QString& standardInput = {});
    QString copyOfSample(const QString& path);

    QTemporaryDir m_dir;
    QString m_good;
    QString m_huge;
    QString m_fifo;

private slots:
    void initTestCase();
    void refusedInput_data();
    void refusedInput();
    void buildTestNeverWritesOverItsInput_data();
    void buildTestNeverWritesOverItsInput();
};

ToolInputTest::Run ToolInputTest::runTool(const QStringList& arguments,
                                          const QString& standardInput)
{
    QProcess process;
    if (!standardInput.isEmpty())
        process.setStandardInputFile(standardInput);
    process.start(QStringLiteral(QVEDTOOL_PATH), arguments);
    Run run;
    if (!process.waitForStarted())
        return run;
    if (standardInput.isEmpty())
        process.closeWriteChannel();
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

QString ToolInputTest::copyOfSample(const QString& path)
{
    const QString sample = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
    QFile::remove(path);
    return QFile::copy(sample, path) ? path : QString();
}

void ToolInputTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_good = m_dir.filePath(QStringLiteral("good.qus"));
    QFile good(m_good);
    QVERIFY(good.open(QIODevice::WriteOnly));
    good.write(R"("C1","1","A","Gen. 2:7","Who was the first man?","Adam","b","c","d")"
               "\r\n");
    good.close();
    // One byte past 1 GiB, sparse: refused on its size, never read.
    m_huge = m_dir.filePath(QStringLiteral("huge.qus"));
    QFile huge(m_huge);
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize((qint64(1) << 30) + 1));
    huge.close();
    // Nothing ever writes to it: opening it to read would wait for ever.
    m_fifo = m_dir.filePath(QStringLiteral("fifo.qus"));
    QCOMPARE(mkfifo(QFile::encodeName(m_fifo).constData(), 0600), 0);
}

void ToolInputTest::refusedInput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("standardInput");
    QTest::addColumn<QString>("message"); // contained in standard error

    const QString tooLarge =
        QStringLiteral(": it is larger than 1 GiB, the most a file read whole may hold.");
    QTest::newRow("device as the question file")
        << QStringList{"stats", "/dev/zero"} << ""
        << "Cannot open file /dev/zero: it is not a regular file.";
    QTest::newRow("FIFO as the question file") << QStringList{"export", "FIFO"} << ""
                                               << "fifo.qus: it is not a regular file.";
    QTest::newRow("question file past the bound")
        << QStringList{"check", "HUGE", "--no-validate"} << ""
        << "huge.qus" + tooLarge;
    QTest::newRow("standard input from a device")
        << QStringList{"stats", "-"} << "/dev/zero"
        << "Cannot open file standard input: it is a device, not a question file.";
    QTest::newRow("standard input past the bound") << QStringList{"stats", "-"} << "HUGE"
                                                   << "Cannot open file standard input" + tooLarge;
    QTest::newRow("report over the file on standard input")
        << QStringList{"report", "-", "--layout", "key", "-o", "GOOD"} << "GOOD"
        << "good.qus is the question file; choose another name.";
    QTest::newRow("build-test from standard input")
        << QStringList{"build-test", "-", "--count", "1", "-o", "DIR", "--name", "quiz"} << "GOOD"
        << "build-test reads a question file, not standard input.";
}

void ToolInputTest::refusedInput()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, standardInput);
    QFETCH(QString, message);
    arguments.replaceInStrings(QStringLiteral("GOOD"), m_good);
    arguments.replaceInStrings(QStringLiteral("HUGE"), m_huge);
    arguments.replaceInStrings(QStringLiteral("FIFO"), m_fifo);
    arguments.replaceInStrings(QStringLiteral("DIR"), m_dir.path());
    if (standardInput == u"GOOD")
        standardInput = m_good;
    else if (standardInput == u"HUGE")
        standardInput = m_huge;
    QFile good(m_good);
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray before = good.readAll();
    good.close();

    const Run run = runTool(arguments, standardInput);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.out, QString());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(good.open(QIODevice::ReadOnly));
    QCOMPARE(good.readAll(), before);
}

// A quiz master builds from a bank that carries a test's name, or links one:
// --force replaces tests, never the bank it builds from.
void ToolInputTest::buildTestNeverWritesOverItsInput_data()
{
    QTest::addColumn<QString>("input"); // the question file, in the output folder or beside it
    QTest::addColumn<QString>("link");  // a link to it among the outputs, or empty
    QTest::addColumn<bool>("hard");
    QTest::newRow("output named as the input") << "out/quiz-A.qus"
                                               << "" << false;
    QTest::newRow("hard link to the input among the outputs") << "bank.qus"
                                                              << "out/quiz-B.qus" << true;
    QTest::newRow("symbolic link to the input among the outputs") << "bank.qus"
                                                                  << "out/quiz-A.qus" << false;
}

void ToolInputTest::buildTestNeverWritesOverItsInput()
{
    QFETCH(QString, input);
    QFETCH(QString, link);
    QFETCH(bool, hard);
    QDir base(m_dir.filePath(QString::fromUtf8(QTest::currentDataTag()).replace(u' ', u'-')));
    QVERIFY(base.mkpath(QStringLiteral("out")));
    const QString bank = copyOfSample(base.filePath(input));
    QVERIFY(!bank.isEmpty());
    QString output = bank;
    if (!link.isEmpty()) {
        output = base.filePath(link);
        if (hard)
            QCOMPARE(
                ::link(QFile::encodeName(bank).constData(), QFile::encodeName(output).constData()),
                0);
        else
            QVERIFY(QFile::link(bank, output));
    }
    QFile file(bank);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    const QStringList there = QDir(base.filePath(QStringLiteral("out"))).entryList(QDir::Files);

    const Run run =
        runTool({"build-test", bank, "--count", "5", "--versions", "2", "--seed", "7", "--force",
                 "-o", base.filePath(QStringLiteral("out")), "--name", "quiz"});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.contains(QStringLiteral("The output file %1 is the question file; choose "
                                             "another name.")
                                  .arg(QDir::toNativeSeparators(output))),
             qPrintable(run.err));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
    // Nothing else was written either.
    QCOMPARE(QDir(base.filePath(QStringLiteral("out"))).entryList(QDir::Files), there);
    QVERIFY(QFileInfo(output).isSymLink() == (!link.isEmpty() && !hard));
}

QTEST_GUILESS_MAIN(ToolInputTest)
#include "tst_toolinput.moc"
