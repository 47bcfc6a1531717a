// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Run = ProgramRun;

Run tool(const QStringList& arguments, const QString& folder, qint64 sizeLimit = -1)
{
    return runProgram(QStringLiteral(QVEDTOOL_PATH), arguments, folder, sizeLimit);
}

bool write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

const QByteArray dust =
    R"("C1","1","B","Gen. 2:7","From what was man formed?","A rib","Dust","Clay","Oak")";
const QByteArray ark =
    R"("C1","2","C","Gen. 6:14","Of what wood was the ark?","Cedar","Acacia","Gopher","Oak")";

} // namespace

class ToolImportTest : public QObject
{
    Q_OBJECT

private slots:
    void import_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QByteArray>("existing"); // OUT before; "(none)" for no file
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("errors");
        QTest::addColumn<QByteArray>("written"); // OUT after
        QTest::newRow("changes listed, a refusal named, the rest written")
            << "in.csv"
            << QByteArray("Question,A,B,C,D,Correct,Reference,Level\r\n"
                          "\"Who said \"\"go\"\"?\",Adam,Eve,Cain,Abel,A,Gen. 4:1,Single\r\n"
                          "Who?,Adam,Eve,Cain,Abel,,Gen. 4:1,Single\r\n"
                          "Who else?,Adam,Eve,Cain,Abel,D,Exodus 3:10,2\r\n")
            << QByteArray("(none)") << QStringList{} << 1
            << QByteArray("in.csv:line 2: changed: straight double quotes in the question "
                          "became typographic ones\n"
                          "in.csv:line 3: refused: no right answer is given\n")
            << QByteArray("\"C1\",\"1\",\"A\",\"Gen. 4:1\",\"Who said \x93go\x94?\",\"Adam\","
                          "\"Eve\",\"Cain\",\"Abel\"\r\n"
                          "\"C2\",\"2\",\"D\",\"Ex. 3:10\",\"Who else?\",\"Adam\",\"Eve\","
                          "\"Cain\",\"Abel\"\r\n");
        QTest::newRow("an existing file is never replaced")
            << "in.qus" << ark + "\r\n"
            << dust + "\r\n"
            << QStringList{} << 2
            << QByteArray("qvedtool import: out.qus exists; give --append to add to it.\n")
            << dust + "\r\n";
        QTest::newRow("append skips what the file holds")
            << "in.qus" << dust + "\r\n" + ark + "\r\n"
            << dust + "\r\n"
            << QStringList{"--append"} << 1
            << QByteArray("in.qus:line 1: skipped: out.qus holds it already\n")
            << dust + "\r\n" + ark + "\r\n";
        QTest::newRow("append keeping duplicates")
            << "in.qus" << dust + "\r\n"
            << dust << QStringList{"--append", "--keep-duplicates"} << 0 << QByteArray()
            << dust + "\r\n" + dust + "\r\n";
        QTest::newRow("dry run writes nothing") << "in.qus" << dust + "\r\n"
                                                << QByteArray("(none)") << QStringList{"--dry-run"}
                                                << 0 << QByteArray() << QByteArray("(none)");
        QTest::newRow("book and level given for a source without them")
            << "in.tsv"
            << QByteArray("Question\tA\tB\tC\tD\tAnswer\tVerse\nWho?\tA\tB\tC\tD\t2\t3:16\n")
            << QByteArray("(none)") << QStringList{"--book", "John", "--level", "Home Run"} << 0
            << QByteArray()
            << QByteArray(R"("C43","4","B","John 3:16","Who?","A","B","C","D")"
                          "\r\n");
        QTest::newRow("aiken finds the reference in the question")
            << "in.txt"
            << QByteArray("Who tasted the water made wine? [John 2:9]\nA) Peter\nB) The ruler of "
                          "the feast\nC) Mary\nD) Andrew\nANSWER: B\n")
            << QByteArray("(none)") << QStringList{"--level", "1"} << 0
            << QByteArray("in.txt:line 1: changed: the reference \u201C[John 2:9]\u201D was taken "
                          "out of the question\n")
            << QByteArray(R"("C43","1","B","John 2:9","Who tasted the water made wine?","Peter",)"
                          R"("The ruler of the feast","Mary","Andrew")"
                          "\r\n");
        QTest::newRow("a source that cannot be read")
            << "in.csv" << QByteArray("PK\x03\x04\0\0junk", 10) << QByteArray("(none)")
            << QStringList{} << 2
            << QByteArray("qvedtool import: in.csv cannot be read as CSV (comma-separated): it is "
                          "not a text file (it holds NUL bytes)\n")
            << QByteArray("(none)");
        QTest::newRow("a table without a header row")
            << "in.csv" << QByteArray("Who?,a,b,c,d,A\n") << QByteArray("(none)") << QStringList{}
            << 2
            << QByteArray("qvedtool import: in.csv: its first row names no question column; add "
                          "a header row (Question, A, B, C, D, Correct, Reference, Level).\n")
            << QByteArray("(none)");
    }
    void import()
    {
        QFETCH(QString, source);
        QFETCH(QByteArray, content);
        QFETCH(QByteArray, existing);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, errors);
        QFETCH(QByteArray, written);
        QTemporaryDir folder;
        QVERIFY(write(folder.filePath(source), content));
        if (existing != "(none)")
            QVERIFY(write(folder.filePath("out.qus"), existing));
        const Run run =
            tool(QStringList{"import", source, "-o", "out.qus"} + options, folder.path());
        QCOMPARE(run.err, errors);
        QCOMPARE(run.exitCode, exitCode);
        QCOMPARE(contentOf(folder.filePath("out.qus")), written);
    }

    void exportFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("gift")
            << "gift"
            << QByteArray("$CATEGORY: Gen./Double\n\n::Gen. 6\\:14::Of what wood was the ark?{\n"
                          "\t~Cedar\n\t~Acacia\n\t=Gopher\n\t~Oak\n}\n\n");
        QTest::newRow("aiken")
            << "aiken"
            << QByteArray("Of what wood was the ark? (Gen. 6:14)\nA. Cedar\nB. Acacia\nC. Gopher\n"
                          "D. Oak\nANSWER: C\n\n");
        QTest::newRow("tsv")
            << "tsv"
            << QByteArray("number\tCanonicalNbr\tBook\tBookAbbreviation\tLevel\tCorrect\tReference"
                          "\tQuestion\tAnswerA\tAnswerB\tAnswerC\tAnswerD\tDeleted\terror\r\n"
                          "1\tC1\t0\tGen.\t1\t2\t6:14\tOf what wood was the ark?\tCedar\tAcacia\t"
                          "Gopher\tOak\tfalse\t\r\n");
    }
    void exportFormats()
    {
        QFETCH(QString, format);
        QFETCH(QByteArray, expected);
        QTemporaryDir folder;
        QVERIFY(write(folder.filePath("bank.qus"), ark + "\r\n"));
        const Run run =
            tool({"export", "bank.qus", "--format", format, "-o", "out"}, folder.path());
        QCOMPARE(run.err, QByteArray());
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(contentOf(folder.filePath("out")), expected);
    }

    void unknownExportFormat()
    {
        QTemporaryDir folder;
        QVERIFY(write(folder.filePath("bank.qus"), ark + "\r\n"));
        const Run run = tool({"export", "bank.qus", "--format", "pdf"}, folder.path());
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("qvedtool export: Unknown format 'pdf': use "));
    }

    // A write cut short by a file-size limit leaves the file as it was.
    void failingWrite_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("export") << QStringList{"export", "bank.qus", "--format",
                                               "moodle", "-o",       "out.qus"};
        QTest::newRow("import") << QStringList{"import",  "bank.qus", "-o",
                                               "out.qus", "--append", "--keep-duplicates"};
    }
    void failingWrite()
    {
        QFETCH(QStringList, arguments);
        QTemporaryDir folder;
        QVERIFY(write(folder.filePath("bank.qus"), ark + "\r\n" + dust + "\r\n"));
        QVERIFY(write(folder.filePath("out.qus"), dust + "\r\n"));
        const Run run = tool(arguments, folder.path(), 200);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("cannot write out.qus: File too large"), run.err.constData());
        QCOMPARE(contentOf(folder.filePath("out.qus")), dust + "\r\n");
    }
};

QTEST_GUILESS_MAIN(ToolImportTest)
#include "tst_toolimport.moc"
