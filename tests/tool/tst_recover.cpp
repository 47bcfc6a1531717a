// SPDX-License-Identifier: GPL-2.0-or-later
#include "ProgramNames.h"
#include "QuestionDocument.h"
#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray line(const QByteArray& question)
{
    return "\"C1\",\"1\",\"A\",\"Gen. 1:1\",\"" + question + "\",\"a\",\"b\",\"c\",\"d\"";
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace

// qvedtool recover over journals the editor's own document wrote, cut or
// damaged as a crash leaves them.
class RecoverTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The tool finds journals under the editor's names.
        QCoreApplication::setOrganizationName(ProgramNames::Organization);
        QCoreApplication::setApplicationName(ProgramNames::Application);
    }
    void recover_data();
    void recover();
};

void RecoverTest::recover_data()
{
    QTest::addColumn<QString>("journal");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("out"); // patterns, one a line
    QTest::addColumn<QString>("err");     // what standard error begins with after the file
    QTest::addColumn<QByteArray>("written");

    const QString time = QStringLiteral("\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d");
    const QString head = QStringLiteral("^.*quiz\\.qus: ");
    QTest::addRow("complete journal")
        << "whole" << 0
        << QStringList{head + "3 unsaved changes in .*\\.journal$",
                       "^  1  " + time + "  question 1$",
                       "^  2  " + time + "  question 4$",
                       "^  3  " + time + "  question 2$",
                       "^The journal is complete\\.$",
                       "^Written: .*out\\.qus$"}
        << "" << line("uno") + "\r\n" + line("three") + "\r\n" + line("four") + "\r\n";
    QTest::addRow("killed in the last change")
        << "cut" << 0
        << QStringList{head + "2 unsaved changes in .*\\.journal$",
                       "^  1  " + time + "  question 1$", "^  2  " + time + "  question 4$",
                       "^The journal is cut short \\(at byte \\d+, the change is cut short\\): any "
                       "change after that is lost\\.$",
                       "^Written: .*out\\.qus$"}
        << ""
        << line("uno") + "\r\n" + line("two") + "\r\n" + line("three") + "\r\n" + line("four") +
               "\r\n";
    QTest::addRow("file changed since")
        << "changed" << 0
        << QStringList{head + "3 unsaved changes in .*\\.journal$",
                       "^  1  .*",
                       "^  2  .*",
                       "^  3  .*",
                       "^The journal is complete\\.$",
                       "^.*quiz\\.qus was changed since: the changes apply to the file as it was "
                       "when they were made, which the journal keeps\\.$",
                       "^Written: .*out\\.qus$"}
        << "" << line("uno") + "\r\n" + line("three") + "\r\n" + line("four") + "\r\n";
    QTest::addRow("nothing kept") << "none" << 1 << QStringList{}
                                  << "qvedtool recover: no unsaved changes are kept for "
                                  << QByteArray("<missing>");
    QTest::addRow("first change cut short")
        << "first cut" << 1
        << QStringList{head + "0 unsaved changes in .*\\.journal$",
                       "^The journal is cut short \\(at byte \\d+, .*"}
        << "" << QByteArray("<missing>");
    QTest::addRow("older journal")
        << "older" << 2 << QStringList{} << "qvedtool recover: the unsaved changes of "
        << QByteArray("<missing>");
    QTest::addRow("output cannot be written")
        << "unwritable" << 2
        << QStringList{head + "3 unsaved changes in .*", "^  1  .*", "^  2  .*", "^  3  .*",
                       "^The journal is complete\\.$"}
        << "qvedtool recover: cannot write " << QByteArray("<missing>");
}

void RecoverTest::recover()
{
    QFETCH(QString, journal);
    QFETCH(int, exitCode);
    QFETCH(QStringList, out);
    QFETCH(QString, err);
    QFETCH(QByteArray, written);
    QDir(RecoveryJournal::folder()).removeRecursively();
    QTemporaryDir dir;
    const QString file = dir.filePath("quiz.qus");
    QVERIFY(writeAll(file, line("one") + "\r\n" + line("two") + "\r\n" + line("three") + "\r\n"));
    const QString journalPath = RecoveryJournal::journalPathOf(file);
    if (journal != "none") {
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(file, record, DecodeMode::QuestionOnly);
        QuestionDocument document;
        document.replace(std::move(list), file);
        document.storeCommittedLine(0, line("uno"), "uno");
        if (journal != "first cut") {
            document.appendRow(line("four"), "four");
            document.toggleDeleteMarks(2, 2);
        }
    }
    if (journal == "cut" || journal == "first cut") {
        QByteArray bytes = readAll(journalPath);
        bytes.chop(3);
        QVERIFY(writeAll(journalPath, bytes));
    } else if (journal == "changed") {
        QVERIFY(writeAll(file, line("zero") + "\r\n" + readAll(file)));
    } else if (journal == "older") {
        QVERIFY(QDir().mkpath(RecoveryJournal::folder()));
        QVERIFY(writeAll(journalPath, "QVED3 RECOVERY 1\nsize 1\nmodified 0\nfile x\nM 0 3\n"));
    }
    const QString output =
        journal == "unwritable" ? dir.filePath("absent/out.qus") : dir.filePath("out.qus");

    QProcess process;
    process.start(QStringLiteral(QVEDTOOL_PATH), {"recover", file, "-o", output});
    QVERIFY(process.waitForFinished(60000));
    const QString stdOut = QString::fromUtf8(process.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(process.readAllStandardError());
    QCOMPARE(process.exitCode(), exitCode);
    const QStringList lines = stdOut.split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), out.size());
    for (qsizetype i = 0; i < lines.size(); ++i)
        QVERIFY2(QRegularExpression(out[i]).match(lines[i]).hasMatch(), qPrintable(lines[i]));
    QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
    QCOMPARE(readAll(output), written);
}

QTEST_GUILESS_MAIN(RecoverTest)
#include "tst_recover.moc"
