// SPDX-License-Identifier: GPL-2.0-or-later
#include "BackupCopy.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

mode_t modeOf(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_mode & 07777 : 0;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& content, mode_t mode)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();
    QCOMPARE(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

} // namespace

// The backup copy of a question file, made once the file has been read.
class BackupCopyTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheFilesPermissions_data()
    {
        QTest::addColumn<bool>("fromBytes");
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("olderBackupMode"); // 0: no older backup
        QTest::addColumn<int>("backupMode");
        for (const bool fromBytes : {false, true}) {
            const char* how = fromBytes ? "from the bytes read: " : "copied: ";
            QTest::addRow("%sprivate file", how) << fromBytes << 0600 << 0 << 0600;
            QTest::addRow("%sprivate file over a readable backup", how)
                << fromBytes << 0600 << 0644 << 0600;
            QTest::addRow("%sfile for the group", how) << fromBytes << 0640 << 0 << 0640;
            QTest::addRow("%sreadable file over a private backup", how)
                << fromBytes << 0644 << 0600 << 0644;
            // Its owner can still replace it at the next Open.
            QTest::addRow("%sread-only file", how) << fromBytes << 0444 << 0 << 0644;
        }
    }

    void keepsTheFilesPermissions()
    {
        QFETCH(bool, fromBytes);
        QFETCH(int, fileMode);
        QFETCH(int, olderBackupMode);
        QFETCH(int, backupMode);
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        const QString backup = dir.filePath("quiz.qbk");
        const QByteArray content = "\"C1\",\"1\",\"A\",\"Gen. 1:1\",\"Q\"\r\n";
        writeFile(path, content, mode_t(fileMode));
        if (olderBackupMode != 0)
            writeFile(backup, "older\r\n", mode_t(olderBackupMode));
        const auto make = [&] {
            return fromBytes ? BackupCopy::makeBackup(path, content) : BackupCopy::makeBackup(path);
        };
        QCOMPARE(make(), QString());
        QCOMPARE(readFile(backup), content);
        QCOMPARE(int(modeOf(backup)), backupMode);
        QCOMPARE(make(), QString());
    }

    // The bytes are written the safe way: a full disk leaves the older
    // backup as it was.
    void fullDiskKeepsTheOlderBackup()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("quiz.qus");
        const QString backup = dir.filePath("quiz.qbk");
        const QByteArray content = QByteArray(8192, 'q') + "\r\n";
        writeFile(path, content, 0644);
        writeFile(backup, "older\r\n", 0644);

        rlimit saved{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = saved;
        limited.rlim_cur = 4096;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limited), 0);
        const QString error = BackupCopy::makeBackup(path, content);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(error, "Unable to make a backup copy of this file.\r\n" + qt_error_string(EFBIG));
        QCOMPARE(readFile(backup), QByteArray("older\r\n"));
    }
};

QTEST_GUILESS_MAIN(BackupCopyTest)
#include "BackupCopyTest.moc"
