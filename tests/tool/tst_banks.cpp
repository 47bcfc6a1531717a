// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgramRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray q(const QByteArray& letter, const QByteArray& reference, const QByteArray& question,
             const QByteArray& a, const QByteArray& b, const QByteArray& level = "1")
{
    return '"' + QByteArrayList{"C1", level, letter, reference, question, a, b, "Clay", "Oak"}.join("\",\"") +
           '"';
}

QByteArray bank(const QByteArrayList& lines)
{
    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + "\r\n";
    return content;
}

const QByteArray ark = q("C", "Gen. 6:14", "Of what wood was Noah told to make the ark?", "Cedar",
                         "Acacia");
const QByteArray dust =
    q("B", "Gen. 2:7", "From what did the LORD God form man?", "A rib", "The dust of the ground");
const QByteArray light =
    q("A", "Gen. 1:3", "What did God say first?", "Let there be light", "Let us make man");
const QByteArray sandals =
    q("B", "Ex. 3:5", "What was Moses told to take off?", "His cloak", "His sandals");

using Run = ProgramRun;

Run run(const QString& program, const QStringList& arguments, const QString& folder,
        qint64 sizeLimit = -1)
{
    return runProgram(program, arguments, folder, sizeLimit);
}

Run tool(const QStringList& arguments, const QString& folder, qint64 sizeLimit = -1)
{
    return run(QStringLiteral(QVEDTOOL_PATH), arguments, folder, sizeLimit);
}

bool write(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QByteArray read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// The matching commands as an author and git use them.
class BanksTest : public QObject
{
    Q_OBJECT

private slots:
    void exitStatus_data();
    void exitStatus();
    void gitMergesWithTheDriver_data();
    void gitMergesWithTheDriver();
    void failedMergeWriteKeepsOurs();
};

void BanksTest::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("says");

    QTest::newRow("dups, none") << QStringList{"dups", "a.qus"} << 0 << "groups: 0";
    QTest::newRow("dups, a copy") << QStringList{"dups", "copies.qus"} << 1 << "same:";
    QTest::newRow("diff, only moved") << QStringList{"diff", "a.qus", "moved.qus"} << 0
                                      << "0 added, 0 removed, 0 changed";
    QTest::newRow("diff, changed") << QStringList{"diff", "a.qus", "copies.qus"} << 1
                                   << "1 added, 0 removed, 0 changed";
    QTest::newRow("diff, json") << QStringList{"diff", "a.qus", "copies.qus", "--format", "json"}
                                << 1 << "\"added\"";
    QTest::newRow("diff, a missing file") << QStringList{"diff", "a.qus", "none.qus"} << 2 << "";
    QTest::newRow("diff, one file") << QStringList{"diff", "a.qus"} << 2 << "";
    QTest::newRow("textconv") << QStringList{"diff", "--textconv", "a.qus"} << 0
                              << "  Q: What did God say first?";
}

void BanksTest::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, says);
    QTemporaryDir folder;
    QVERIFY(write(folder.filePath("a.qus"), bank({ark, dust, light})));
    QVERIFY(write(folder.filePath("moved.qus"), bank({light, ark, dust})));
    QVERIFY(write(folder.filePath("copies.qus"), bank({ark, dust, light, ark})));
    const Run result = tool(arguments, folder.path());
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY2(result.out.contains(says.toUtf8()), result.out.constData());
}

// Two branches add questions at the end of one bank and edit different
// fields of one question: git merges them with the driver and stops on a
// conflict without it.
void BanksTest::gitMergesWithTheDriver_data()
{
    QTest::addColumn<bool>("driver");
    QTest::newRow("with the driver") << true;
    QTest::newRow("without it") << false;
}

void BanksTest::gitMergesWithTheDriver()
{
    QFETCH(bool, driver);
    if (QStandardPaths::findExecutable(QStringLiteral("git")).isEmpty())
        QSKIP("git is not installed (scripts/install-deps installs it)");
    QTemporaryDir folder;
    const QString at = folder.path();
    auto git = [&](const QStringList& arguments) {
        const Run result = run(QStringLiteral("git"), arguments, at);
        return result.exitCode;
    };
    QCOMPARE(git({"init", "-q", "-b", "main"}), 0);
    QCOMPARE(git({"config", "user.email", "author@example.org"}), 0);
    QCOMPARE(git({"config", "user.name", "Author"}), 0);
    QVERIFY(write(folder.filePath("bank.qus"), bank({ark, dust})));
    if (driver)
        QCOMPARE(tool({"git-setup"}, at).exitCode, 0);
    QCOMPARE(git({"add", "-A"}), 0);
    QCOMPARE(git({"commit", "-qm", "base"}), 0);

    QCOMPARE(git({"checkout", "-qb", "theirs"}), 0);
    const QByteArray arkBuild = q("C", "Gen. 6:14", "Of what wood was Noah told to build the ark?",
                                  "Cedar", "Acacia");
    QVERIFY(write(folder.filePath("bank.qus"), bank({arkBuild, dust, light})));
    QCOMPARE(git({"commit", "-qam", "theirs"}), 0);
    QCOMPARE(git({"checkout", "-q", "main"}), 0);
    const QByteArray arkTriple = q("C", "Gen. 6:14", "Of what wood was Noah told to make the ark?",
                                   "Cedar", "Acacia", "3");
    QVERIFY(write(folder.filePath("bank.qus"), bank({arkTriple, dust, sandals})));
    QCOMPARE(git({"commit", "-qam", "ours"}), 0);

    const int merged = git({"merge", "-q", "--no-edit", "theirs"});
    if (!driver) {
        QVERIFY(merged != 0);
        return;
    }
    QCOMPARE(merged, 0);
    const QByteArray both = q("C", "Gen. 6:14", "Of what wood was Noah told to build the ark?",
                              "Cedar", "Acacia", "3");
    QCOMPARE(read(folder.filePath("bank.qus")), bank({both, dust, sandals, light}));
    // And git diff reads as questions.
    const Run diff = run(QStringLiteral("git"), {"diff", "HEAD~1", "--", "bank.qus"}, at);
    QVERIFY2(diff.out.contains("+  Q: What did God say first?"), diff.out.constData());
}

// Without -o the result replaces ours, as git expects; a write that fails
// leaves ours byte for byte and says why.
void BanksTest::failedMergeWriteKeepsOurs()
{
    QTemporaryDir folder;
    const QByteArray ours = bank({ark, dust, sandals});
    QVERIFY(write(folder.filePath("base.qus"), bank({ark, dust})));
    QVERIFY(write(folder.filePath("ours.qus"), ours));
    QVERIFY(write(folder.filePath("theirs.qus"), bank({ark, dust, light})));
    const QStringList arguments{"merge", "base.qus", "ours.qus", "theirs.qus"};
    const Run failed = tool(arguments, folder.path(), ours.size() + 10);
    QCOMPARE(failed.exitCode, 2);
    QVERIFY2(failed.err.contains("File too large"), failed.err.constData());
    QCOMPARE(read(folder.filePath("ours.qus")), ours);

    QCOMPARE(tool(arguments, folder.path()).exitCode, 0);
    QCOMPARE(read(folder.filePath("ours.qus")), bank({ark, dust, sandals, light}));
}

QTEST_GUILESS_MAIN(BanksTest)
#include "tst_banks.moc"
