// SPDX-License-Identifier: GPL-2.0-or-later
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QtEndian>
#include <QtTest>

#if defined(Q_OS_UNIX)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct ToolRun
{
    int exitCode = -1;
    QString out;
    QString err;

    QStringList outLines() const { return out.split(u'\n', Qt::SkipEmptyParts); }
};

ToolRun runTool(const QStringList& arguments,
                const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
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
// reference (with abbreviation), question and answers.
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
// 92 characters: the editor keeps the first 90 and loses "t.".
const QByteArray LongQuestion =
    "What did Moses see when he turned aside to look at the bush, that burned, and was not burnt.";

// Reads RFC 4180 text: quoted fields may hold commas, doubled quotes and
// line breaks; records end with CR LF.
QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> records;
    QStringList record;
    QString field;
    bool quoted = false;
    bool fieldStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                field += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == u'"' && !fieldStarted) {
            quoted = true;
            fieldStarted = true;
        } else if (c == u',') {
            record << field;
            field.clear();
            fieldStarted = false;
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            record << field;
            records << record;
            record.clear();
            field.clear();
            fieldStarted = false;
            ++i;
        } else {
            field += c;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !record.isEmpty())
        records << (record << field);
    return records;
}

} // namespace

class ToolTest : public QObject
{
    Q_OBJECT

private:
    QString file(const QString& name, const QByteArrayList& lines);
    QString tableFile();
    QString pdfText(const QString& pdf);

    QTemporaryDir m_dir;

private slots:
    void initTestCase();
    void buildTestIsTheSameForTheSameSeed();
    void buildTestPagesNameTheirVersion();
    void check_data();
    void check();
    void checkWholeFile();
    void checkValidatesWithTheTableBesideTheProgram();
    void checkStopsAtATableItCannotRead_data();
    void checkStopsAtATableItCannotRead();
    void exitStatus_data();
    void exitStatus();
    void exportJson_data();
    void exportJson();
    void exportCsvReadsBack();
    void exportSpecialBytesAtEveryOffset();
    void longFileKeepsFileOrder();
    void report_data();
    void report();
    void reportWithoutDisplaySettings();
    void stats();
    void verse_data();
    void verse();
    void spell();
#if defined(Q_OS_UNIX)
    void reportNeverLeavesAFalsePdf_data();
    void reportNeverLeavesAFalsePdf();
    void failingStandardOutput_data();
    void failingStandardOutput();
    void checkFromStandardInput_data();
    void checkFromStandardInput();
#endif
};

// A quiz master builds the test again from the same file and seed: every
// file, the PDFs included, must come out byte for byte the same.
void ToolTest::buildTestIsTheSameForTheSameSeed()
{
    const QString sample = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
    QByteArray outputs[2];
    for (int run = 0; run < 2; ++run) {
        const QString folder = m_dir.filePath(QStringLiteral("built-%1").arg(run));
        const ToolRun built = runTool({"build-test", sample, "--count", "8", "--versions", "2",
                                       "--seed", "31", "-o", folder, "--name", "quiz"});
        QCOMPARE(built.exitCode, 0);
        QVERIFY2(built.out.startsWith("seed: 31"), qPrintable(built.out));
        for (const char* name : {"quiz-A.qus", "quiz-A-test.pdf", "quiz-A-key.pdf", "quiz-B.qus",
                                 "quiz-B-test.pdf", "quiz-B-key.pdf"}) {
            QFile written(folder + u'/' + QLatin1String(name));
            QVERIFY2(written.open(QIODevice::ReadOnly), name);
            outputs[run] += written.readAll();
        }
        QThread::msleep(1100); // a drawing time would now differ
    }
    QCOMPARE(outputs[0].size(), outputs[1].size());
    QVERIFY(outputs[0] == outputs[1]);
}

// Every page of each test and key says its name and version, and a key's
// pages the seed that builds it again.
void ToolTest::buildTestPagesNameTheirVersion()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    const QString sample = qEnvironmentVariable("QVED_SOURCE_DIR") + "/samples/sample.qus";
    const QString folder = m_dir.filePath(QStringLiteral("headed"));
    const ToolRun built = runTool(
        {"build-test", sample, "--count", "25", "--versions", "2", "--seed", "4077", "-o", folder});
    QCOMPARE(built.exitCode, 0);
    for (const QString version : {"A", "B"}) {
        const QString other = version == "A" ? "B" : "A";
        for (const QString kind : {"test", "key"}) {
            const QString pdf = QStringLiteral("%1/sample-%2-%3.pdf").arg(folder, version, kind);
            QStringList pages = pdfText(pdf).split(u'\f');
            if (pages.last().trimmed().isEmpty())
                pages.removeLast();
            QVERIFY2(pages.size() >= 2, qPrintable(pdf));
            const QRegularExpression heading("sample-" + version + "\\W+Version " + version +
                                             (kind == "key" ? "\\W+Seed 4077\\b" : "\\s"));
            for (const QString& page : pages) {
                QVERIFY2(page.contains(heading), qPrintable(pdf + ":\n" + page));
                QVERIFY2(!page.contains("Version " + other), qPrintable(pdf));
                QCOMPARE(page.contains("Seed"), kind == "key");
            }
        }
    }
}

QString ToolTest::file(const QString& name, const QByteArrayList& lines)
{
    const QString path = m_dir.filePath(name);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    for (const QByteArray& text : lines)
        out.write(text + "\r\n");
    return path;
}

// Genesis with 50 chapters, of which 1, 2 and 50 have 31, 25 and 26 verses;
// Jude with one chapter of 25 verses; every other book one empty chapter.
QString ToolTest::tableFile()
{
    QByteArray bytes(68 * 152 * 2, '\0');
    auto set = [&bytes](int row, int column, qint16 count) {
        qToLittleEndian(count, bytes.data() + (row * 152 + column) * 2);
    };
    for (int book = 0; book < 66; ++book)
        set(0, book + 1, 1);
    set(0, 1, 50);
    set(1, 1, 31);
    set(1, 2, 25);
    set(1, 50, 26);
    set(0, 65, 1);
    set(65, 1, 25);
    const QString path = m_dir.filePath(QStringLiteral("counts.dta"));
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return path;
}

QString ToolTest::pdfText(const QString& pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"),
                  {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

void ToolTest::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QFile::exists(QStringLiteral(QVEDTOOL_PATH)));
}

void ToolTest::check_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");

    const QStringList table{QStringLiteral("--table"), QStringLiteral("TABLE")};
    const QStringList none;
    QTest::newRow("sound question") << QByteArrayList{firstMan} << table << none;
    QTest::newRow("chapter beyond the book")
        << QByteArrayList{line("C1", "1", "A", "Gen. 51", "Q")} << table
        << QStringList{"1: Gen. does not have a chapter 51"};
    QTest::newRow("no chapter check without validation")
        << QByteArrayList{line("C1", "1", "A", "Gen. 99:99", "Q")}
        << QStringList{QStringLiteral("--no-validate")} << none;
    QTest::newRow("level and letter beyond the last choice")
        << QByteArrayList{line("C1", "5", "E", "Gen. 1:1", "Q")} << table
        << QStringList{"1: level 5 is outside 1 to 4", "1: correct answer 'E' is outside A to D"};
    QTest::newRow("book number beyond the table, level 0")
        << QByteArrayList{line("C99", "0", "A", "x", "Q")} << table
        << QStringList{"1: Reference book not specified.", "1: Difficulty level not specified.",
                       "1: book number 99 is outside 1 to 68", "1: level 0 is outside 1 to 4"};
    QTest::newRow("book number 0 files under the last category")
        << QByteArrayList{line("C0", "1", "A", "Gen. 1:1", "Q")} << table
        << QStringList{"1: book number 0 is outside 1 to 68"};
    QTest::newRow("book field longer than three characters")
        << QByteArrayList{line("C123", "1", "A", "Gen. 1:1", "Q"),
                          line("C069", "1", "A", "Gen. 1:1", "Q2"),
                          line("C0012", "1", "A", "Gen. 1:1", "Q3")}
        << QStringList{QStringLiteral("--no-validate")}
        << QStringList{"1: book number 123 is outside 1 to 68",
                       "2: book number 69 is outside 1 to 68"};
    QTest::newRow("letter below A")
        << QByteArrayList{line("C1", "1", "@", "Gen. 1:1", "Q")} << table
        << QStringList{"1: Correct answer not specified.",
                       "1: correct answer '@' is outside A to D"};
    QTest::newRow("short line after a full one borrows nothing")
        << QByteArrayList{firstMan, R"("C1","2","B","Gen. 1:1")"} << table
        << QStringList{"2: The question is empty.", "2: Answer A is empty.",
                       "2: Answer B is empty.", "2: Answer C is empty.", "2: Answer D is empty."};
    QTest::newRow("line without any field") << QByteArrayList{"no quotes at all"} << table
                                            << QStringList{"1: Reference book not specified.",
                                                           "1: Reference location not specified.",
                                                           "1: Difficulty level not specified.",
                                                           "1: Correct answer not specified.",
                                                           "1: The question is empty.",
                                                           "1: Answer A is empty.",
                                                           "1: Answer B is empty.",
                                                           "1: Answer C is empty.",
                                                           "1: Answer D is empty."};
    QTest::newRow("empty book field does not decode")
        << QByteArrayList{R"("","1","A","Gen. 1:1","Q","a","b","c","d")"} << table
        << QStringList{"1: '' is not a valid integer value"};
    QTest::newRow("empty level field does not decode")
        << QByteArrayList{R"("C1","","A","Gen. 1:1","Q","a","b","c","d")"} << table
        << QStringList{"1: '\"' is not a valid integer value"};
    QTest::newRow("empty letter and question read as double quotes")
        << QByteArrayList{R"("C1","1","","Gen. 1:1","","a","b","c","d")"} << table
        << QStringList{"1: Correct answer not specified.",
                       "1: The question contains a double quote or a line break.",
                       "1: correct answer '\"' is outside A to D"};
    QTest::newRow("unreadable reference, the other checks still run")
        << QByteArrayList{R"("C1","1","A","Gen. 3:","Q","a","","c","d")"} << table
        << QStringList{"1: '' is not a valid integer value",
                       "1: Answer B contains a double quote or a line break."};
    QTest::newRow("same question and answers as an earlier one")
        << QByteArrayList{firstMan, line("C1", "3", "C", "Gen. 1:1", "Q"),
                          line("C1", "2", "B", "Gen. 2:7", "Who was the first man?", "Adam")}
        << table << QStringList{"3: same question as 1"};
    QTest::newRow("another answer makes another question")
        << QByteArrayList{firstMan,
                          line("C1", "1", "A", "Gen. 2:7", "Who was the first man?", "Eve")}
        << table << none;
    // Another tool wrote texts the editor cuts on the next edit of their row.
    QTest::newRow("a 92-character question is listed with its length")
        << QByteArrayList{line("C1", "1", "A", "Gen. 2:7", LongQuestion)} << table
        << QStringList{"1: question is 92 characters long, more than the 90 kept"};
    QTest::newRow("every long text of a line is listed")
        << QByteArrayList{R"("C67","1","A","Question one of the Shorter Catechism","Q","a",")" +
                          QByteArray(91, 'b') + R"(","c","d")"}
        << table
        << QStringList{"1: reference is 37 characters long, more than the 25 kept",
                       "1: answer B is 91 characters long, more than the 90 kept"};
    QTest::newRow("questions alike only in their first 90 characters repeat nothing")
        << QByteArrayList{line("C1", "1", "A", "Gen. 2:7", LongQuestion),
                          line("C1", "1", "A", "Gen. 2:7", LongQuestion.chopped(1) + "!")}
        << table
        << QStringList{"1: question is 92 characters long, more than the 90 kept",
                       "2: question is 92 characters long, more than the 90 kept"};
}

void ToolTest::check()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);

    arguments.replaceInStrings(QStringLiteral("TABLE"), tableFile());
    const QString path = file(QStringLiteral("check.qus"), lines);
    const ToolRun run = runTool(QStringList{QStringLiteral("check"), path} + arguments);
    QSet<QString> failing;
    for (const QString& problem : expected)
        failing << problem.section(u':', 0, 0);
    const QString summary = QStringLiteral("checked: %1 questions, %2 with problems")
                                .arg(lines.size())
                                .arg(failing.size());
    QCOMPARE(run.outLines(), expected + QStringList{summary});
    QCOMPARE(run.exitCode, expected.isEmpty() ? 0 : 1);
    QCOMPARE(run.err, QString());
}

void ToolTest::checkWholeFile()
{
    const QString path =
        file(QStringLiteral("whole.qus"),
             {firstMan, line("C1", "1", "A", "Gen. 51", "Q2"),
              R"("C1","","A","Gen. 1:1","Q3","a","b","c","d")",
              line("C1", "1", "A", "Gen. 1:1", "Q4"), line("C99", "6", "Z", "Gen. 1:1", "Q5"),
              line("C1", "1", "A", "Gen. 2:7", "Who was the first man?", "Adam")});
    const ToolRun run =
        runTool({QStringLiteral("check"), path, QStringLiteral("--table"), tableFile()});
    QCOMPARE(run.out, QStringLiteral("2: Gen. does not have a chapter 51\n"
                                     "3: '\"' is not a valid integer value\n"
                                     "5: Reference book not specified.\n"
                                     "5: book number 99 is outside 1 to 68\n"
                                     "5: level 6 is outside 1 to 4\n"
                                     "5: correct answer 'Z' is outside A to D\n"
                                     "6: same question as 1\n"
                                     "checked: 6 questions, 4 with problems\n"));
    QCOMPARE(run.exitCode, 1);
}

void ToolTest::checkValidatesWithTheTableBesideTheProgram()
{
    // The builder writes the table beside the program when it is missing.
    const QString path =
        file(QStringLiteral("beside.qus"),
             {line("C1", "1", "A", "Gen. 50:26", "Q1"), line("C1", "1", "A", "Gen. 51", "Q2"),
              line("C65", "1", "A", "Jude 2", "Q3")});
    const ToolRun run = runTool({QStringLiteral("check"), path});
    QCOMPARE(run.outLines(),
             (QStringList{"2: Gen. does not have a chapter 51", "3: Jude does not have a chapter 2",
                          "checked: 3 questions, 2 with problems"}));
    QCOMPARE(run.exitCode, 1);
}

void ToolTest::checkStopsAtATableItCannotRead_data()
{
    QTest::addColumn<QByteArray>("beside"); // the table beside the program; null: a folder
    QTest::addColumn<bool>("givenTable");   // --table names a good one
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out");

    QFile good(tableFile());
    QVERIFY(good.open(QIODevice::ReadOnly));
    const QByteArray table = good.readAll();
    QByteArray noBible(table.size(), '\0');
    // Checked without its table the file would pass: Gen. 51:1 looks sound.
    QTest::newRow("a damaged table") << noBible << false << 2 << QStringList();
    QTest::newRow("a table cut short") << table.chopped(1) << false << 2 << QStringList();
    QTest::newRow("a folder where the table should be")
        << QByteArray() << false << 2 << QStringList();
    QTest::newRow("--table GOOD: the damaged default is not read")
        << noBible << true << 1
        << QStringList{"1: Gen. does not have a chapter 51", "1: Invalid verse (1)",
                       "checked: 1 questions, 1 with problems"};
}

void ToolTest::checkStopsAtATableItCannotRead()
{
    QFETCH(QByteArray, beside);
    QFETCH(bool, givenTable);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);

    // A copy of the tool in a folder of its own, whose table it finds first.
    const QTemporaryDir program;
    const QString tool = program.filePath(QStringLiteral("qvedtool"));
    QVERIFY(QFile::copy(QStringLiteral(QVEDTOOL_PATH), tool));
    const QString besideTable = program.filePath(QStringLiteral("qvedval.dta"));
    if (beside.isNull()) {
        QVERIFY(QDir(program.path()).mkdir(QStringLiteral("qvedval.dta")));
    } else {
        QFile file(besideTable);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(beside), beside.size());
    }
    QStringList arguments{QStringLiteral("check"), file(QStringLiteral("genesis51.qus"),
                                                        {line("C1", "1", "A", "Gen. 51:1", "Q")})};
    if (givenTable)
        arguments << QStringLiteral("--table") << tableFile();

    QProcess process;
    process.start(tool, arguments);
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts),
             out);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    if (givenTable)
        QCOMPARE(err, QString());
    else
        QVERIFY2(err.contains(QDir::toNativeSeparators(besideTable)), qPrintable(err));
}

void ToolTest::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // on standard error, or for help on standard output

    auto row = [](const char* name, QStringList arguments, int exitCode, const char* message) {
        QTest::newRow(name) << arguments << exitCode << QString::fromUtf8(message);
    };
    row("no command", {}, 2, "No command given.");
    row("unknown command", {"frobnicate", "GOOD"}, 2, "Unknown command 'frobnicate'.");
    row("unknown option before the command", {"--frob"}, 2, "Unknown option '--frob'.");
    row("unknown option of a command", {"check", "GOOD", "--frob"}, 2, "Unknown option 'frob'.");
    row("no question file", {"check"}, 2, "No question file given.");
    row("missing question file", {"check", "MISSING"}, 2, "Cannot open file");
    row("folder as question file", {"export", "DIR"}, 2, "Cannot open file");
    row("check passes", {"check", "GOOD", "--no-validate"}, 0, "");
    row("check finds problems", {"check", "BAD", "--no-validate"}, 1, "");
    row("missing table", {"check", "GOOD", "--table", "MISSING"}, 2, "Cannot open file");
    row("export of broken lines", {"export", "BAD"}, 0, "");
    row("unknown export format", {"export", "GOOD", "--format", "xml"}, 2, "Unknown format 'xml'");
    row("report without layout", {"report", "GOOD", "-o", "OUT"}, 2, "No --layout given.");
    row("range that is not two numbers",
        {"report", "GOOD", "--layout", "test", "--range", "5", "-o", "OUT"}, 2,
        "The range '5' is not two whole numbers B-E.");
    row("range past the last question",
        {"report", "GOOD", "--layout", "test", "--range", "2-7", "-o", "OUT"}, 2,
        "The range 2-7 begins past the last question (1 in");
    row("range that ends before it begins",
        {"report", "GOOD", "--layout", "test", "--range", "1-0", "-o", "OUT"}, 2,
        "Range error 1 -- The end you specified is less than the beginning!");
    row("number too large for a range",
        {"report", "GOOD", "--layout", "test", "--range", "1-99999999999", "-o", "OUT"}, 2,
        "The number 99999999999 is too large for a range.");
    row("report into a missing folder",
        {"report", "GOOD", "--layout", "test", "-o", "DIR/none/x.pdf"}, 2,
        "No such file or directory");
    row("table that is not a regular file", {"check", "GOOD", "--table", "DIR"}, 2,
        "is not a regular file.");
#if defined(Q_OS_UNIX)
    row("table that is a FIFO", {"check", "GOOD", "--table", "FIFO"}, 2,
        "fifo is not a regular file.");
#endif
    row("stats with broken lines", {"stats", "BAD"}, 0, "");
    row("help of the tool", {"--help"}, 0, "report FILE --layout key|test|list [--range B-E]");
    row("help of check", {"check", "--help"}, 0, "--table <PATH>");
    row("help of export", {"export", "-h"}, 0, "--format <FORMAT>");
    row("help of report", {"report", "--help"}, 0, "-o, --output <OUT.pdf>");
    row("help of stats", {"stats", "--help"}, 0, "Usage: qvedtool stats [options] FILE\n");
}

void ToolTest::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, message);

    arguments.replaceInStrings(QStringLiteral("GOOD"),
                               file(QStringLiteral("good.qus"), {firstMan}));
    arguments.replaceInStrings(QStringLiteral("BAD"),
                               file(QStringLiteral("bad.qus"), {firstMan, R"("C1","x")"}));
    arguments.replaceInStrings(QStringLiteral("MISSING"),
                               m_dir.filePath(QStringLiteral("none.qus")));
    arguments.replaceInStrings(QStringLiteral("DIR"), m_dir.path());
    arguments.replaceInStrings(QStringLiteral("OUT"), m_dir.filePath(QStringLiteral("status.pdf")));
#if defined(Q_OS_UNIX)
    // Nothing ever writes to it: opening it to read would wait for ever.
    const QString fifo = m_dir.filePath(QStringLiteral("fifo"));
    if (!QFileInfo::exists(fifo))
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    arguments.replaceInStrings(QStringLiteral("FIFO"), fifo);
#endif
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.exitCode, exitCode);
    // Help goes to standard output, everything else said to standard error.
    const QString& said =
        arguments.contains(u"--help") || arguments.contains(u"-h") ? run.out : run.err;
    if (message.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(said.contains(message), qPrintable(said));
}

void ToolTest::exportJson_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QByteArray>("expected");

    auto question = [](const QByteArray& fields) {
        return R"({"number": 2, )" + fields + R"(, "Deleted": false})";
    };
    QTest::newRow("full line")
        << line("C2", "4", "d", "Ex. 3:10", "Who led Israel?", "Moses")
        << question(R"("CanonicalNbr": "C2", "Book": 1, "BookAbbreviation": "Ex.", "Level": 3,)"
                    R"( "Correct": 3, "Reference": "3:10", "Question": "Who led Israel?",)"
                    R"( "AnswerA": "Moses", "AnswerB": "b", "AnswerC": "c", "AnswerD": "d")");
    QTest::newRow("short line after a full one borrows nothing")
        << QByteArray(R"("C5")")
        << question(R"("CanonicalNbr": "C5", "Book": 4, "BookAbbreviation": "Deut.", "Level": -1,)"
                    R"( "Correct": -1, "Reference": "", "Question": "", "AnswerA": "",)"
                    R"( "AnswerB": "", "AnswerC": "", "AnswerD": "")");
    QTest::newRow("line that does not decode")
        << QByteArray(R"("","1","A","Gen. 1:1","Q","a","b","c","d")")
        << QByteArray(R"({"number": 2, "error": "'' is not a valid integer value"})");
    QTest::newRow("code page bytes, tab, backslash and a quote from an empty field")
        << line("C68", "1", "A", "  Free", "Caf\xe9 \x93quoted\x94\tback\\slash", "")
        << question("\"CanonicalNbr\": \"C68\", \"Book\": 67, \"BookAbbreviation\": \"Othr.\", "
                    "\"Level\": 0, \"Correct\": 0, \"Reference\": \"Free\", \"Question\": "
                    "\"Caf\u00e9 \u201cquoted\u201d\\tback\\\\slash\", \"AnswerA\": \"\\\"\", "
                    "\"AnswerB\": \"b\", \"AnswerC\": \"c\", \"AnswerD\": \"d\"");
    QTest::newRow("book number beyond the table")
        << line("C99", "1", "A", "x", "Q")
        << question(R"("CanonicalNbr": "C99", "Book": 98, "BookAbbreviation": "", "Level": 0,)"
                    R"( "Correct": 0, "Reference": "x", "Question": "Q", "AnswerA": "a",)"
                    R"( "AnswerB": "b", "AnswerC": "c", "AnswerD": "d")");
}

void ToolTest::exportJson()
{
    QFETCH(QByteArray, line);
    QFETCH(QByteArray, expected);

    const ToolRun run =
        runTool({QStringLiteral("export"), file(QStringLiteral("export.qus"), {firstMan, line})});
    QCOMPARE(run.exitCode, 0);
    QJsonParseError error;
    const QJsonArray questions = QJsonDocument::fromJson(run.out.toUtf8(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(questions.size(), 2);
    QCOMPARE(questions[1].toObject(), QJsonDocument::fromJson(expected).object());

    // The keys come in a fixed order, which a parsed object no longer shows.
    const QRegularExpression key(QStringLiteral("\"(\\w+)\": "));
    QStringList shown, wanted;
    for (auto match = key.globalMatch(run.outLines().value(2)); match.hasNext();)
        shown << match.next().captured(1);
    for (auto match = key.globalMatch(QString::fromUtf8(expected)); match.hasNext();)
        wanted << match.next().captured(1);
    QCOMPARE(shown, wanted);
}

void ToolTest::exportCsvReadsBack()
{
    const QString path =
        file(QStringLiteral("export.qus"),
             {firstMan, R"("C5")", R"("C1","1","A","Gen. 1:1","Who, then, spoke?","","b","c","d")",
              R"("C1","")", line("C68", "4", "b", "Free", "Caf\xe9 \x93quoted\x94")});
    const ToolRun csv = runTool(
        {QStringLiteral("export"), path, QStringLiteral("--format"), QStringLiteral("csv")});
    const ToolRun json = runTool({QStringLiteral("export"), path});
    QCOMPARE(csv.exitCode, 0);
    QVERIFY(csv.out.endsWith(QStringLiteral("\r\n")));

    const QList<QStringList> records = parseCsv(csv.out);
    const QStringList header{"number",  "CanonicalNbr", "Book",      "BookAbbreviation",
                             "Level",   "Correct",      "Reference", "Question",
                             "AnswerA", "AnswerB",      "AnswerC",   "AnswerD",
                             "Deleted", "error"};
    QCOMPARE(records.value(0), header);
    const QJsonArray questions = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(records.size(), questions.size() + 1);

    // Every cell holds what the JSON export gives for the same key.
    for (qsizetype row = 0; row < questions.size(); ++row) {
        const QStringList& record = records[row + 1];
        QCOMPARE(record.size(), header.size());
        const QJsonObject question = questions[row].toObject();
        for (qsizetype column = 0; column < header.size(); ++column) {
            const QJsonValue value = question.value(header[column]);
            const QString expected = value.isBool()     ? QString(value.toBool() ? "true" : "false")
                                     : value.isDouble() ? QString::number(value.toInt())
                                                        : value.toString();
            QCOMPARE(record[column], expected);
        }
    }
    QCOMPARE(records[3][7], "Who, then, spoke?");
    QCOMPARE(records[3][8], "\"");
    QCOMPARE(records[4][13], "'\"' is not a valid integer value");
    QCOMPARE(records[5][7], QString::fromUtf8("Caf\u00e9 \u201cquoted\u201d"));
}

// A byte that needs escaping, quoting or converting is handled wherever it
// stands in a text.
void ToolTest::exportSpecialBytesAtEveryOffset()
{
    const char specials[] = {'\t',   '\\',       ',',        '\x01',    '\x1f',
                             '\x7f', char(0xE9), char(0x93), char(0x81)};
    QByteArrayList lines;
    QStringList questions;
    for (int length = 1; length <= 40; ++length) {
        for (int at = 0; at < length; ++at) {
            for (const char special : specials) {
                QByteArray question(length, 'x');
                question[at] = special;
                lines << line("C68", "1", "A", "free", question);
                QString text(length, u'x');
                text[at] = special == char(0xE9)   ? QChar(0x00E9)
                           : special == char(0x93) ? QChar(0x201C)
                           : special == char(0x81) ? QChar(0x0081)
                                                   : QChar(uchar(special));
                questions << text;
            }
        }
    }
    const QString path = file(QStringLiteral("special.qus"), lines);

    const ToolRun json = runTool({QStringLiteral("export"), path});
    // A lenient parser takes raw control characters too: none may be there.
    const qsizetype rawControl = std::count_if(json.out.cbegin(), json.out.cend(), [](QChar c) {
        return c.unicode() < 0x20 && c != u'\n';
    });
    QCOMPARE(rawControl, 0);
    QJsonParseError error;
    const QJsonArray exported = QJsonDocument::fromJson(json.out.toUtf8(), &error).array();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(exported.size(), questions.size());
    for (int i = 0; i < questions.size(); ++i)
        QCOMPARE(exported[i].toObject().value(u"Question").toString(), questions[i]);

    const QList<QStringList> records = parseCsv(
        runTool({QStringLiteral("export"), path, QStringLiteral("--format"), QStringLiteral("csv")})
            .out);
    QCOMPARE(records.size(), questions.size() + 1);
    for (int i = 0; i < questions.size(); ++i)
        QCOMPARE(records[i + 1].value(7), questions[i]);
}

// Long files are worked on in blocks side by side; what comes out keeps the
// file's order, and a repeat is found across blocks.
void ToolTest::longFileKeepsFileOrder()
{
    // Long enough for several blocks; a line that differs from the repeated
    // one only in answer D is not a repeat.
    constexpr int count = 60000;
    QByteArrayList lines;
    for (int n = 1; n <= count; ++n)
        lines << line("C1", n == 2100 ? "9" : "1", "A", "Gen. 1:1", "Q" + QByteArray::number(n));
    lines[49999] = lines[9];
    lines[50999] = QByteArray(lines[9]).replace(R"("d")", R"("e")");
    lines[58998] = R"("C1","x")";
    const QString path = file(QStringLiteral("long.qus"), lines);
    const ToolRun check = runTool({QStringLiteral("check"), path, QStringLiteral("--no-validate")});
    QCOMPARE(check.out, QStringLiteral("2100: level 9 is outside 1 to 4\n"
                                       "50000: same question as 10\n"
                                       "58999: 'x' is not a valid integer value\n"
                                       "checked: 60000 questions, 3 with problems\n"));

    const ToolRun json = runTool({QStringLiteral("export"), path});
    const QJsonArray questions = QJsonDocument::fromJson(json.out.toUtf8()).array();
    QCOMPARE(questions.size(), count);
    for (int n = 1; n <= count; ++n) {
        const QJsonObject question = questions[n - 1].toObject();
        QCOMPARE(question.value(u"number").toInt(), n);
        if (n != 50000 && n != 51000 && n != 58999)
            QCOMPARE(question.value(u"Question").toString(), QStringLiteral("Q%1").arg(n));
    }
    const QList<QStringList> records = parseCsv(
        runTool({QStringLiteral("export"), path, QStringLiteral("--format"), QStringLiteral("csv")})
            .out);
    QCOMPARE(records.size(), count + 1);
    for (int n = 1; n <= count; ++n)
        QCOMPARE(records[n].value(0), QString::number(n));
}

void ToolTest::report_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("range");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QStringList>("leftOut");

    QTest::newRow("test of every question")
        << "test" << QString()
        << QStringList{"Who built the ark?", "Who was swallowed?", "Who led Israel?"}
        << QStringList{};
    QTest::newRow("question list of a range")
        << "list"
        << "2-3" << QStringList{"Who was swallowed?", "Who led Israel?"}
        << QStringList{"Who built the ark?"};
    QTest::newRow("test with key, beginning below 1")
        << "key"
        << "-5-1" << QStringList{"Who built the ark?"}
        << QStringList{"Who was swallowed?", "Who led Israel?"};
    QTest::newRow("end beyond the last question")
        << "list"
        << "3-99" << QStringList{"Who led Israel?"}
        << QStringList{"Who built the ark?", "Who was swallowed?"};
}

void ToolTest::report()
{
    QFETCH(QString, layout);
    QFETCH(QString, range);
    QFETCH(QStringList, shown);
    QFETCH(QStringList, leftOut);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");

    const QString path = file(QStringLiteral("report.qus"),
                              {line("C1", "1", "A", "Gen. 6:14", "Who built the ark?", "Noah"),
                               line("C32", "2", "B", "Jon. 1:17", "Who was swallowed?", "Jonah"),
                               line("C2", "3", "C", "Ex. 3:10", "Who led Israel?", "Moses")});
    const QString pdf = m_dir.filePath(QStringLiteral("report.pdf"));
    QFile::remove(pdf);
    QStringList arguments{"report", path, "--layout", layout, "-o", pdf};
    if (!range.isEmpty())
        arguments << "--range" << range;
    const ToolRun run = runTool(arguments);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    const QString text = pdfText(pdf);
    for (const QString& question : shown)
        QVERIFY2(text.contains(question), qPrintable(question));
    for (const QString& question : leftOut)
        QVERIFY2(!text.contains(question), qPrintable(question));
}

void ToolTest::reportWithoutDisplaySettings()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A scheduled job has no runtime folder either.
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        environment.remove(QLatin1String(name));
    // Not even Qt's debug messages, all switched on, reach the terminal.
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*=true"));
    const QString pdf = m_dir.filePath(QStringLiteral("headless.pdf"));
    const ToolRun run = runTool(
        {"report", file(QStringLiteral("headless.qus"), {firstMan}), "--layout", "key", "-o", pdf},
        environment);
    QCOMPARE(run.err, QString());
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFile(pdf).size() > 0);
}

void ToolTest::stats()
{
    const QString path =
        file(QStringLiteral("stats.qus"),
             {line("C1", "1", "A", "Gen. 1:1", "Q1"), line("C1", "2", "A", "Gen. 1:2", "Q2"),
              line("C2", "4", "B", "Ex. 1:1", "Q3"), line("C68", "1", "c", "free", "Q4"),
              line("C1", "7", "E", "Gen. 1:3", "Q5"), R"("C1","?")"});
    const ToolRun run = runTool({QStringLiteral("stats"), path});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, QStringLiteral("questions: 6\n"
                                     "by book:\n"
                                     "  Gen.       3\n"
                                     "  Ex.        1\n"
                                     "  Othr.      1\n"
                                     "by level:\n"
                                     "  Single     2\n"
                                     "  Double     1\n"
                                     "  Triple     0\n"
                                     "  Home Run   1\n"
                                     "  (none)     1\n"
                                     "by correct answer:\n"
                                     "  A          2   50.0%\n"
                                     "  B          1   25.0%\n"
                                     "  C          1   25.0%\n"
                                     "  D          0    0.0%\n"
                                     "  (none)     1\n"
                                     "not decoded: 1\n"));
}

void ToolTest::verse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("message"); // after "qvedtool verse: " on standard error
    QTest::newRow("one verse") << QStringList{QStringLiteral("Gen. 2:7")} << 0
                               << "Genesis 2:7\nAnd the LORD God formed man of the dust of the "
                                  "ground, and breathed into his nostrils the breath of life; and "
                                  "man became a living soul.\n"
                               << "";
    QTest::newRow("range, module by abbreviation")
        << QStringList{QStringLiteral("John 11:34-35"), QStringLiteral("--module"),
                       QStringLiteral("KJV")}
        << 0
        << "John 11:34-35\n34 And said, Where have ye laid him? They said unto him, Lord, "
           "come and see.\n35 Jesus wept.\n"
        << "";
    // The Spanish Bible by the same English abbreviations, its accents kept.
    QTest::newRow("Spanish")
        << QStringList{QStringLiteral("John 3:16"), QStringLiteral("--language"),
                       QStringLiteral("es")}
        << 0
        << "John 3:16\nPorque de tal manera amó Dios al mundo, que ha dado á su Hijo unigénito, "
           "para que todo aquel que en él cree, no se pierda, mas tenga vida eterna.\n"
        << "";
    QTest::newRow("Spanish chapter and verse range")
        << QStringList{QStringLiteral("Ex. 24:17-18"), QStringLiteral("--language"),
                       QStringLiteral("es")}
        << 0
        << "Exodus 24:17-18\n17 Y el parecer de la gloria de Jehová era como un fuego abrasador "
           "en la cumbre del monte, á los ojos de los hijos de Israel.\n18 Y entró Moisés en "
           "medio de la nube, y subió al monte: y estuvo Moisés en el monte cuarenta días y "
           "cuarenta noches.\n"
        << "";
    QTest::newRow("unknown language")
        << QStringList{QStringLiteral("Gen. 2:7"), QStringLiteral("--language"),
                       QStringLiteral("fr")}
        << 2 << ""
        << "Unknown language 'fr': use en or es.\nRun \"qvedtool verse --help\" for help.";
    QTest::newRow("unknown reference") << QStringList{QStringLiteral("Gen. two")} << 2 << ""
                                       << "'Gen. two' is not a reference.";
    QTest::newRow("past the last verse") << QStringList{QStringLiteral("Gen. 2:26")} << 2 << ""
                                         << "Genesis 2 has no verse 26; it has 25 verses.";
    QTest::newRow("unknown module")
        << QStringList{QStringLiteral("Gen. 2:7"), QStringLiteral("--module"),
                       QStringLiteral("NoSuchBible")}
        << 2 << ""
        << "no Bible module 'NoSuchBible' is installed.";
    // Each once printed another passage, or named another number, than the
    // one typed.
    QTest::newRow("number where the book goes") << QStringList{QStringLiteral("1 2:3")} << 2 << ""
                                                << "'1 2:3' is not a reference.";
    QTest::newRow("sign before the chapter") << QStringList{QStringLiteral("Gen. -1:1")} << 2 << ""
                                             << "'Gen. -1:1' is not a reference.";
    QTest::newRow("list of references")
        << QStringList{QStringLiteral("Genesis 1:1;2:3")} << 2 << ""
        << "'Genesis 1:1;2:3' is a list of references; look up one verse, range or chapter at "
           "a time.";
    QTest::newRow("list of verses")
        << QStringList{QStringLiteral("Gen. 1:1,3")} << 2 << ""
        << "'Gen. 1:1,3' is a list of references; look up one verse, range or chapter at a "
           "time.";
    QTest::newRow("twenty-digit chapter")
        << QStringList{QStringLiteral("Gen. 12345678901234567890:1")} << 2 << ""
        << "Genesis has no chapter 12345678901234567890.";
    QTest::newRow("four-digit verse") << QStringList{QStringLiteral("Gen. 1:1234")} << 2 << ""
                                      << "Genesis 1 has no verse 1234; it has 31 verses.";
}

void ToolTest::verse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, message);
    const ToolRun run = runTool(QStringList{QStringLiteral("verse")} + arguments);
    if (run.err.contains(u"No Bible module is installed"))
        QSKIP("No SWORD Bible module is installed (sword-text-kjv): skipped");
    if (run.err.contains(u"install sword-text-sparv"))
        QSKIP("The Reina-Valera 1909 is not installed (sword-text-sparv): skipped");
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, out);
    QCOMPARE(run.err, message.isEmpty() ? QString() : "qvedtool verse: " + message + u'\n');
}

// Bible names pass, an invented word is listed with the field it is in, its
// suggestions when asked for; a file without one passes.
void ToolTest::spell()
{
    const QString wrong =
        file(QStringLiteral("spell.qus"),
             {line("C1", "1", "A", "Gen. 5:21", "Whom did Enoch begat?", "Methuselah"),
              line("C2", "1", "B", "Ex. 1:1", "Who led Isreal?", "Moses")});
    const ToolRun run = runTool({QStringLiteral("spell"), wrong});
    if (run.err.contains(u"No spelling dictionary"))
        QSKIP("No en_US Hunspell dictionary is installed (hunspell-en-us): skipped");
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.outLines(),
             (QStringList{QStringLiteral("2: Question: Isreal"),
                          QStringLiteral("checked: 2 questions, 1 misspelt words")}));

    const ToolRun suggested =
        runTool({QStringLiteral("spell"), wrong, QStringLiteral("--suggestions")});
    QCOMPARE(suggested.exitCode, 1);
    const QStringList lines = suggested.outLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(u"2: Question: Isreal (") && lines[0].contains(u"Israel"),
             qPrintable(lines[0]));
    QCOMPARE(lines[1], QStringLiteral("checked: 2 questions, 1 misspelt words"));

    const QString right = file(QStringLiteral("spelt.qus"),
                               {line("C1", "1", "A", "Gen. 5:21", "Whom did Enoch beget?")});
    const ToolRun clean = runTool({QStringLiteral("spell"), right});
    QCOMPARE(clean.exitCode, 0);
    QCOMPARE(clean.out, QStringLiteral("checked: 1 questions, 0 misspelt words\n"));
}

#if defined(Q_OS_UNIX)
// A report that could not be made leaves no PDF that passes for it: not over
// the question file, not cut off by a full disk, not an older one kept
// without a word. Each exits with status 2 and the reason.
void ToolTest::reportNeverLeavesAFalsePdf_data()
{
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QString>("output"); // INPUT for the question file itself
    QTest::addColumn<qint64>("sizeLimit");
    QTest::addColumn<QString>("message");

    const QByteArrayList one{firstMan};
    QTest::newRow("output is the question file")
        << one << "INPUT" << qint64(-1) << "is the question file";
    QTest::newRow("output through a link to the question file")
        << one << "LINK" << qint64(-1) << "is the question file";
    QTest::newRow("output through a hard link to the question file")
        << one << "HARDLINK" << qint64(-1) << "is the question file";
    QTest::newRow("no questions, an older PDF in place")
        << QByteArrayList{} << "old.pdf" << qint64(-1) << "is an older file, not a report of it.";
    QTest::newRow("file size limit") << one << "old.pdf" << qint64(6000) << "File too large";
    QTest::newRow("full device") << one << "/dev/full" << qint64(-1) << "is not a regular file";
}

void ToolTest::reportNeverLeavesAFalsePdf()
{
    QFETCH(QByteArrayList, lines);
    QFETCH(QString, output);
    QFETCH(qint64, sizeLimit);
    QFETCH(QString, message);

    const QString input = file(QStringLiteral("safe.qus"), lines);
    const QString link = m_dir.filePath(QStringLiteral("link.pdf"));
    QFile::remove(link);
    QVERIFY(QFile::link(input, link));
    const QString hardLink = m_dir.filePath(QStringLiteral("hard.pdf"));
    QFile::remove(hardLink);
    QCOMPARE(::link(QFile::encodeName(input).constData(), QFile::encodeName(hardLink).constData()),
             0);
    if (output == u"INPUT")
        output = input;
    else if (output == u"LINK")
        output = link;
    else if (output == u"HARDLINK")
        output = hardLink;
    else if (!output.startsWith(u'/'))
        output = m_dir.filePath(output);
    if (output.endsWith(u"old.pdf")) {
        QFile old(output);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("%PDF-1.4 an older report\n%%EOF\n");
    }
    QByteArray before;
    if (QFileInfo(output).isFile()) {
        QFile target(output);
        QVERIFY(target.open(QIODevice::ReadOnly));
        before = target.readAll();
    }

    QProcess process;
    // As a full disk would: writes past the limit fail with EFBIG.
    process.setChildProcessModifier([sizeLimit] {
        if (sizeLimit < 0)
            return;
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{rlim_t(sizeLimit), rlim_t(sizeLimit)};
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    process.start(QStringLiteral(QVEDTOOL_PATH),
                  {QStringLiteral("report"), input, QStringLiteral("--layout"),
                   QStringLiteral("key"), QStringLiteral("-o"), output});
    QVERIFY(process.waitForFinished(120000));
    const QString said = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), 2);
    QVERIFY2(said.contains(message), qPrintable(said));
    if (!before.isEmpty()) {
        QFile target(output);
        QVERIFY(target.open(QIODevice::ReadOnly));
        QCOMPARE(target.readAll(), before);
    }
    // No temporary file of the safe write is left beside it.
    QCOMPARE(QDir(m_dir.path()).entryList({QStringLiteral("*.pdf.*")}, QDir::Files), {});
}

// Output that cannot be written (a full disk) is an error with the reason,
// never a silent success.
void ToolTest::failingStandardOutput_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("check") << QStringList{"check", "--no-validate"};
    QTest::newRow("export") << QStringList{"export"};
    QTest::newRow("export csv") << QStringList{"export", "--format", "csv"};
    QTest::newRow("stats") << QStringList{"stats"};
}

void ToolTest::failingStandardOutput()
{
    QFETCH(QStringList, arguments);
    arguments.insert(1, file(QStringLiteral("full.qus"), {firstMan, R"("C1","x")"}));
    QProcess process;
    process.setStandardOutputFile(QStringLiteral("/dev/full"));
    process.start(QStringLiteral(QVEDTOOL_PATH), arguments);
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(process.exitCode(), 2);
    QCOMPARE(QString::fromUtf8(process.readAllStandardError()),
             QStringLiteral("qvedtool: cannot write to standard output: "
                            "No space left on device\n"));
}

// Standard input, as a pipe or as a file: a repeat still finds the earlier
// line. A pipe is read by the name "-"; a file also through /dev/stdin.
void ToolTest::checkFromStandardInput_data()
{
    QTest::addColumn<bool>("pipe");
    QTest::addColumn<QString>("name");
    QTest::newRow("pipe") << true << "-";
    QTest::newRow("file") << false << "-";
    QTest::newRow("file through /dev/stdin") << false << "/dev/stdin";
}

void ToolTest::checkFromStandardInput()
{
    QFETCH(bool, pipe);
    QFETCH(QString, name);
    QByteArrayList lines;
    for (int n = 1; n <= 30000; ++n)
        lines << line("C1", "1", "A", "Gen. 1:1", "Q" + QByteArray::number(n));
    lines[2] = lines[0];
    lines[29000] = lines[1];
    const QString path = file(QStringLiteral("input.qus"), lines);

    QProcess process;
    if (!pipe)
        process.setStandardInputFile(path);
    process.start(QStringLiteral(QVEDTOOL_PATH),
                  {QStringLiteral("check"), name, QStringLiteral("--no-validate")});
    QVERIFY(process.waitForStarted());
    if (pipe) {
        QFile content(path);
        QVERIFY(content.open(QIODevice::ReadOnly));
        process.write(content.readAll());
        process.closeWriteChannel();
    }
    QVERIFY(process.waitForFinished(120000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             QStringLiteral("3: same question as 1\n"
                            "29001: same question as 2\n"
                            "checked: 30000 questions, 2 with problems\n"));
    QCOMPARE(process.exitCode(), 1);
}
#endif

QTEST_GUILESS_MAIN(ToolTest)
#include "tst_tool.moc"
