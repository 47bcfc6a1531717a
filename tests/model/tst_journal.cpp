// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionDocument.h"
#include "QuestionLineCodec.h"
#include "RecoveryJournal.h"
#include "SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray line(QByteArrayView question)
{
    return EncodeQuestionLine(0, 0, 0, "1:1", question, "a", "b", "c", "d");
}

// Each row as "<marks> <question cell> <line>", the whole list in order.
QStringList rows(const QuestionList& list)
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result << QString::number(list.marks(i)) + ' ' +
                      QString::fromLatin1(list.questionCell(i).toByteArray()) + ' ' +
                      QString::fromLatin1(list.line(i).toByteArray());
    return result;
}

QString row(int marks, const QByteArray& question)
{
    return QString::number(marks) + ' ' + QString::fromLatin1(question) + ' ' +
           QString::fromLatin1(line(question));
}

// The list after each of the four changes the tests make, written out by
// hand: 12 a row as read (number and question shown), 14 a changed one,
// 15 a changed one marked deleted.
QList<QStringList> states()
{
    QStringList s{row(12, "one"), row(12, "two"), row(12, "three")};
    QList<QStringList> result{s};
    s[0] = row(14, "uno");
    result << s;
    s << row(14, "four");
    result << s;
    s[1] = QStringLiteral("15 ") + s[1].mid(3);
    result << s;
    s[2] = row(14, "tres");
    result << s;
    return result;
}

void makeChange(QuestionDocument& document, int change)
{
    switch (change) {
    case 1:
        document.storeCommittedLine(0, line("uno"), "uno");
        break;
    case 2:
        document.appendRow(line("four"), "four");
        break;
    case 3:
        document.toggleDeleteMarks(2, 2);
        break;
    default:
        document.storeCommittedLine(2, line("tres"), "tres");
    }
}

// CRC-32 bit by bit, apart from the editor's table.
QByteArray crcHex(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : bytes) {
        crc ^= quint8(byte);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return QByteArray::number(~crc, 16).rightJustified(8, '0');
}

// A change as the editor frames one, with a checksum that matches.
QByteArray forgedChange(const QByteArray& records)
{
    const QByteArray start = "C 1765400000000 " + QByteArray::number(records.size());
    return start + ' ' + crcHex(start + '\n' + records) + '\n' + records + '\n';
}

QByteArray rowRecord(int index, const QByteArray& lineText, const QByteArray& question)
{
    return "R " + QByteArray::number(index) + " 14 " + QByteArray::number(lineText.size()) + ' ' +
           QByteArray::number(question.size()) + '\n' + lineText + question + '\n';
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A document over a question file holding one, two, three.
struct Fixture
{
    QTemporaryDir dir;
    QString file = dir.filePath("quiz.qus");
    QString journal;
    QuestionDocument document;
    QList<qint64> sizes; // the journal's size after each change; 0 before any

    Fixture()
    {
        QDir(RecoveryJournal::folder()).removeRecursively();
        writeAll(file, line("one") + "\r\n" + line("two") + "\r\n" + line("three") + "\r\n");
        journal = RecoveryJournal::journalPathOf(file);
        QuestionList list;
        QuestionRecord record;
        list.FillQuestionList(file, record, DecodeMode::QuestionOnly);
        document.replace(std::move(list), file);
        sizes << 0;
    }
    void change(int number)
    {
        makeChange(document, number);
        sizes << QFileInfo(journal).size();
    }
    JournalReplay replay()
    {
        QuestionRecord record;
        return RecoveryJournal::replay(file, record);
    }
};

} // namespace

class JournalTest : public QObject
{
    Q_OBJECT

private slots:
    void replayStopsAtTheFirstBadChange_data();
    void replayStopsAtTheFirstBadChange();
    void changedFileRecoversOverTheKeptContent();
    void failingWritesKeepEveryChange_data();
    void failingWritesKeepEveryChange();
    void journalIsNeverCreatedByAnAppend();
    void resumedJournalHoldsTheRecoveredChanges();
    void journalsAreForTheirOwnerOnly();
    void unusableJournalsAreRefused_data();
    void unusableJournalsAreRefused();
};

void JournalTest::replayStopsAtTheFirstBadChange_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<int>("changes");
    QTest::addColumn<QString>("why"); // empty: the journal is whole

    QTest::addRow("whole journal") << "none" << 4 << "";
    QTest::addRow("kill -9 in the last change") << "cut payload" << 3 << "the change is cut short";
    QTest::addRow("cut in a change's first line")
        << "cut first line" << 3 << "the change is cut short";
    QTest::addRow("last line break missing") << "cut last byte" << 3 << "the change is cut short";
    QTest::addRow("row number changed, R 2 to R 6")
        << "renumber" << 3 << "the change does not match its checksum";
    QTest::addRow("line that does not decode")
        << "undecodable" << 4 << "the change stores a line that does not decode";
    QTest::addRow("line holding a line break")
        << "line break" << 4 << "the change stores a line that holds a line";
    QTest::addRow("row beyond the list") << "beyond" << 4 << "the change names the row \"4\"";
    QTest::addRow("change half good is not applied")
        << "half good" << 4 << "the change stores a line that does not";
    QTest::addRow("bytes that are no change")
        << "garbage" << 4 << "what follows is not a change the editor writes";
}

void JournalTest::replayStopsAtTheFirstBadChange()
{
    QFETCH(QString, damage);
    QFETCH(int, changes);
    QFETCH(QString, why);
    Fixture f;
    for (int change = 1; change <= 4; ++change)
        f.change(change);
    QByteArray bytes = readAll(f.journal);
    QCOMPARE(bytes.size(), f.sizes[4]);
    if (damage == "cut payload")
        bytes.chop(5);
    else if (damage == "cut first line")
        bytes.truncate(f.sizes[3] + 3);
    else if (damage == "cut last byte")
        bytes.chop(1);
    else if (damage == "renumber")
        bytes.replace(bytes.indexOf("R 2 ", f.sizes[3]), 4, "R 6 ");
    else if (damage == "undecodable")
        bytes += forgedChange(rowRecord(0, "\"C1\",\"x\",\"A\",\"1:1\",\"q\"", "q"));
    else if (damage == "line break")
        bytes += forgedChange(rowRecord(0, line("a") + "\r\n" + line("b"), "a"));
    else if (damage == "beyond")
        bytes += forgedChange(rowRecord(4, line("six"), "six"));
    else if (damage == "half good")
        bytes += forgedChange(rowRecord(0, line("good"), "good") +
                              rowRecord(1, "\"C1\",\"x\",\"A\"", "q"));
    else if (damage == "garbage")
        bytes += "R 1 14 3 0\nabc\n";
    writeAll(f.journal, bytes);

    const JournalReplay replayed = f.replay();
    QCOMPARE(replayed.error, QString());
    QCOMPARE(replayed.changes(), changes);
    QCOMPARE(rows(replayed.list), states()[changes]);
    QCOMPARE(replayed.fileChanged, false);
    if (why.isEmpty()) {
        QCOMPARE(replayed.damage, QString());
    } else {
        QVERIFY2(
            replayed.damage.startsWith(QStringLiteral("at byte %1, ").arg(f.sizes[changes]) + why),
            qPrintable(replayed.damage));
    }
    // Only the complete changes go on into a resumed journal.
    const QByteArray whole = readAll(f.journal);
    const qsizetype headingEnd = whole.indexOf("\ncheck ") + 1 + 15 + readAll(f.file).size() + 1;
    QCOMPARE(replayed.changeBytes, whole.mid(headingEnd, f.sizes[changes] - headingEnd));
}

void JournalTest::changedFileRecoversOverTheKeptContent()
{
    Fixture f;
    f.change(1);
    f.change(2);
    QVERIFY(!RecoveryJournal::find(f.file).fileChanged);
    // A colleague adds a question at the top and saves.
    writeAll(f.file, line("zero") + "\r\n" + readAll(f.file));
    QVERIFY(RecoveryJournal::find(f.file).fileChanged);

    const JournalReplay replayed = f.replay();
    QVERIFY(replayed.fileChanged);
    QCOMPARE(replayed.changes(), 2);
    QCOMPARE(rows(replayed.list), states()[2]);
}

void JournalTest::failingWritesKeepEveryChange_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("firstFailing");
    QTest::addRow("sync fails on an append") << "sync" << 2;
    QTest::addRow("disk full on an append") << "size limit" << 2;
    QTest::addRow("sync fails as the journal is created") << "sync" << 1;
    QTest::addRow("disk full as the journal is created") << "size limit" << 1;
}

void JournalTest::failingWritesKeepEveryChange()
{
    QFETCH(QString, fault);
    QFETCH(int, firstFailing);
    Fixture f;
    QSignalSpy failures(&f.document, &QuestionDocument::journalFailed);
    QSignalSpy keeping(&f.document, &QuestionDocument::journalKeepingChanged);
    for (int change = 1; change < firstFailing; ++change)
        f.change(change);
    const QByteArray before = readAll(f.journal);

    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (fault == "sync") {
        SafeFileWriter::setSyncForTesting([](int) {
            errno = EIO;
            return -1;
        });
    } else {
        rlimit limited = saved;
        // Room for part of the next change only.
        limited.rlim_cur = rlim_t(std::max<qint64>(f.sizes.last(), 200) + 20);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
    }
    f.change(firstFailing);
    f.change(firstFailing + 1);
    const bool keptWhileFailing = f.document.isJournalKeeping();
    const QByteArray whileFailing = readAll(f.journal);
    SafeFileWriter::setSyncForTesting(nullptr);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!keptWhileFailing);
    // The journal is back at its last complete change, never deleted.
    QCOMPARE(whileFailing, firstFailing == 1 ? QByteArray("<missing>") : before);
    QCOMPARE(failures.size(), 1);
    QVERIFY2(failures[0][0].toString().contains(qt_error_string(fault == "sync" ? EIO : EFBIG)),
             qPrintable(failures[0][0].toString()));
    QCOMPARE(keeping.size(), 1);

    // Space again: the next change writes the ones waiting with it.
    for (int change = firstFailing + 2; change <= 4; ++change)
        f.change(change);
    QVERIFY(f.document.isJournalKeeping());
    QCOMPARE(keeping.size(), 2);
    QCOMPARE(keeping[1][0].toBool(), true);
    const JournalReplay replayed = f.replay();
    QCOMPARE(replayed.damage, QString());
    QCOMPARE(replayed.changes(), 4);
    QCOMPARE(rows(replayed.list), states()[4]);
}

void JournalTest::journalIsNeverCreatedByAnAppend()
{
    Fixture f;
    f.change(1);
    QVERIFY(QFile::remove(f.journal));
    f.change(2);
    QVERIFY(f.document.isJournalKeeping());
    QVERIFY(readAll(f.journal).startsWith("QVED3 RECOVERY 2\n"));
    const JournalReplay replayed = f.replay();
    QCOMPARE(replayed.changes(), 2);
    QCOMPARE(rows(replayed.list), states()[2]);
}

void JournalTest::resumedJournalHoldsTheRecoveredChanges()
{
    Fixture f;
    for (int change = 1; change <= 3; ++change)
        f.change(change);
    QByteArray bytes = readAll(f.journal);
    bytes.chop(4);
    writeAll(f.journal, bytes);

    QuestionDocument next;
    next.recover(f.replay(), f.file, false);
    QCOMPARE(rows(next.list()), states()[2]);
    QVERIFY(next.isModified());
    QCOMPARE(readAll(f.journal), bytes.left(f.sizes[2]));
    makeChange(next, 4);
    const JournalReplay replayed = f.replay();
    QCOMPARE(replayed.damage, QString());
    QCOMPARE(replayed.changes(), 3);
    QStringList expected = states()[2];
    expected[2] = row(14, "tres");
    QCOMPARE(rows(replayed.list), expected);
}

void JournalTest::journalsAreForTheirOwnerOnly()
{
    Fixture f;
    QVERIFY(QDir().mkpath(RecoveryJournal::folder()));
    QVERIFY(QFile::setPermissions(RecoveryJournal::folder(), QFileDevice::Permissions(0x7755)));
    const mode_t previousMask = umask(022);
    f.change(1);
    umask(previousMask);
    struct stat folder
    {
    };
    struct stat journal
    {
    };
    QCOMPARE(stat(QFile::encodeName(RecoveryJournal::folder()).constData(), &folder), 0);
    QCOMPARE(stat(QFile::encodeName(f.journal).constData(), &journal), 0);
    QCOMPARE(folder.st_mode & 0777, mode_t(0700));
    QCOMPARE(journal.st_mode & 0777, mode_t(0600));
}

void JournalTest::unusableJournalsAreRefused_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("error"); // %1: the journal's path
    QTest::addRow("older version") << "older"
                                   << "the journal %1 was written by an older version of the "
                                      "editor and is not replayed";
    QTest::addRow("heading line changed") << "heading"
                                          << "the heading of the journal %1 is damaged";
    QTest::addRow("kept content changed") << "content"
                                          << "the heading of the journal %1 is damaged";
    QTest::addRow("not a journal") << "other"
                                   << "%1 is not a recovery journal";
}

void JournalTest::unusableJournalsAreRefused()
{
    QFETCH(QString, damage);
    QFETCH(QString, error);
    Fixture f;
    f.change(1);
    QByteArray bytes = readAll(f.journal);
    if (damage == "older")
        bytes = "QVED3 RECOVERY 1\nsize 6\nmodified 0\nfile quiz.qus\nM 0 3\n";
    else if (damage == "heading")
        bytes.replace("\nsize ", "\nsize 1");
    else if (damage == "content")
        bytes.replace("\"two\"", "\"tw0\"");
    else
        bytes.prepend("x");
    writeAll(f.journal, bytes);
    const JournalReplay replayed = f.replay();
    QCOMPARE(replayed.error, error.arg(QDir::toNativeSeparators(f.journal)));
    QCOMPARE(replayed.changes(), 0);
}

QTEST_GUILESS_MAIN(JournalTest)
#include "tst_journal.moc"
