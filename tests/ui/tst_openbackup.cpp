// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "RecoveryJournal.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

int modeOf(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 07777) : -1;
}

} // namespace

// The backup copy made when a file is opened: only of a file that loaded,
// from File > Open and the command line alike.
class OpenBackupTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QDir(RecoveryJournal::folder()).removeRecursively(); }
    void failedOpenKeepsTheBackup_data();
    void failedOpenKeepsTheBackup();
    void openMakesTheBackup_data();
    void openMakesTheBackup();
    void commandLineBackupThatFailsOpensNothing();
};

void OpenBackupTest::failedOpenKeepsTheBackup_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QString>("error");
    const QByteArray good = WindowFixture::question(1);
    QTest::newRow("line that does not decode")
        << "menu"
        << "quiz.qus" << QByteArrayList{good, R"("C1","x","A","Gen. 1:1","Q","a","b","c","d")"}
        << ", line 2: 'x' is not a valid integer value";
    QTest::newRow("CSV chosen by mistake")
        << "menu"
        << "quiz.csv"
        << QByteArrayList{R"("Book","Level","Correct","Question")", R"("Gen.","1","A","Who?")"}
        << ", line 1: ";
    QTest::newRow("command line, line that does not decode")
        << "command line"
        << "quiz.qus" << QByteArrayList{good, R"("C1","x","A","Gen. 1:1","Q","a","b","c","d")"}
        << ", line 2: 'x' is not a valid integer value";
}

void OpenBackupTest::failedOpenKeepsTheBackup()
{
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QByteArrayList, lines);
    QFETCH(QString, error);
    WindowFixture f;
    const QString first = f.writeFile("first.qus", {f.question(5)});
    const QString backup = f.writeFile("quiz.qbk", {f.question(1), f.question(2)});
    const QByteArray goodBackup = f.readFile(backup);
    const QString bad = f.writeFile(name, lines);

    TfrmMain& w = f.start({how == "menu" ? first : bad});
    if (how == "menu")
        f.open(bad);
    QVERIFY2(f.prompts.shown.last().startsWith("error: " + bad + error),
             qPrintable(f.prompts.shown.last()));
    QCOMPARE(f.readFile(backup), goodBackup);
    QCOMPARE(w.document().fileName(), how == "menu" ? first : QString("[Untitled]"));
}

void OpenBackupTest::openMakesTheBackup_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("backup"); // empty: none is made
    QTest::addColumn<int>("mode");
    QTest::newRow("command line, question file") << "command line"
                                                 << "quiz.qus"
                                                 << "quiz.qbk" << 0644;
    QTest::newRow("command line, no extension") << "command line"
                                                << "notes"
                                                << "notes.qbk" << 0644;
    QTest::newRow("command line, upper-case backup gets none") << "command line"
                                                               << "X.QBK"
                                                               << "" << 0644;
    QTest::newRow("command line, private file") << "command line"
                                                << "quiz.qus"
                                                << "quiz.qbk" << 0600;
    QTest::newRow("menu, private file") << "menu"
                                        << "quiz.qus"
                                        << "quiz.qbk" << 0600;
}

void OpenBackupTest::openMakesTheBackup()
{
    QFETCH(QString, how);
    QFETCH(QString, name);
    QFETCH(QString, backup);
    QFETCH(int, mode);
    WindowFixture f;
    const QString file = f.writeFile(name, {f.question(1), f.question(2)});
    QCOMPARE(::chmod(QFile::encodeName(file).constData(), mode_t(mode)), 0);
    const QString older = f.writeFile("quiz.qbk", {"older backup"});
    QCOMPARE(::chmod(QFile::encodeName(older).constData(), 0644), 0);

    TfrmMain& w = f.start(how == "menu" ? QStringList{} : QStringList{file});
    if (how == "menu")
        f.open(file);
    QCOMPARE(w.document().fileName(), file);
    if (backup.isEmpty()) {
        QCOMPARE(QDir(f.dir.path()).entryList({"*.qbk", "*.QBK"}).size(), 2);
        QCOMPARE(f.readFile(older), QByteArray("older backup\r\n"));
    } else {
        QCOMPARE(f.readFile(f.path(backup)), f.readFile(file));
        QCOMPARE(modeOf(f.path(backup)), mode);
    }
}

void OpenBackupTest::commandLineBackupThatFailsOpensNothing()
{
    WindowFixture f;
    const QString file = f.writeFile("quiz.qus", {f.question(1)});
    const QString backup = f.writeFile("quiz.qbk", {f.question(9)});
    QFile(backup).setPermissions(QFileDevice::ReadOwner);
    TfrmMain& w = f.start({file});
    QCOMPARE(f.prompts.shown,
             QStringList{"info: Unable to make a backup copy of this file. A previous backup "
                         "copy may be set to read only. You can check this in Explorer."});
    QCOMPARE(w.document().fileName(), QString("[Untitled]"));
    QVERIFY(!w.btnSave->isEnabled());
    QCOMPARE(f.readFile(backup), QByteArray(f.question(9) + "\r\n"));
}

QTEST_MAIN(OpenBackupTest)
#include "tst_openbackup.moc"
