// SPDX-License-Identifier: GPL-2.0-or-later
#include "EditorLock.h"
#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

// Leaves the file's lock as an editor that was killed leaves it: a child
// process takes it and ends without letting go.
void lockFromAKilledEditor(const QString& lockPath)
{
    const pid_t child = fork();
    if (child == 0) {
        QLockFile lock(lockPath);
        lock.setStaleLockTime(0);
        _exit(lock.tryLock(0) ? 0 : 1);
    }
    int status = -1;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(QFile::exists(lockPath));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class EditorLockTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QDir(RecoveryJournal::folder()).removeRecursively();
        QVERIFY(m_dir.isValid());
        m_file = m_dir.filePath("quiz.qus");
        QFile file(m_file);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }

    void lockLivesBesideTheJournal()
    {
        QCOMPARE(EditorLock::lockPathOf(m_file), RecoveryJournal::journalPathOf(m_file) + ".lock");
    }

    void otherEditors_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<bool>("acquired");
        QTest::newRow("no other editor") << "none" << true;
        QTest::newRow("a live editor") << "live" << false;
        // A lock never goes stale with age: the editor may sit open for days.
        QTest::newRow("a live editor, open for a day") << "live for a day" << false;
        QTest::newRow("an editor that was killed") << "killed" << true;
    }

    void otherEditors()
    {
        QFETCH(QString, other);
        QFETCH(bool, acquired);
        const QString lockPath = EditorLock::lockPathOf(m_file);
        QVERIFY(QDir().mkpath(QFileInfo(lockPath).absolutePath()));
        QLockFile live(lockPath);
        const QDateTime since = QDateTime::currentDateTime().addDays(-1);
        if (other == "live") {
            QVERIFY(live.tryLock(0));
        } else if (other == "live for a day") {
            // As a live editor's lock shows on a file system without native
            // locks (a network home folder): only its content and its age.
            QVERIFY(live.tryLock(0));
            const QByteArray content = readAll(lockPath);
            live.unlock();
            QFile lockFile(lockPath);
            QVERIFY(lockFile.open(QIODevice::WriteOnly));
            QCOMPARE(lockFile.write(content), content.size());
            QVERIFY(lockFile.flush());
            QVERIFY(lockFile.setFileTime(since, QFileDevice::FileModificationTime));
        } else if (other == "killed") {
            lockFromAKilledEditor(lockPath);
        }

        EditorLock lock;
        const EditorLock::Outcome outcome = lock.acquire(m_file);
        QCOMPARE(int(outcome),
                 int(acquired ? EditorLock::Outcome::Acquired : EditorLock::Outcome::HeldByOther));
        QCOMPARE(lock.isHeld(), acquired);
        QCOMPARE(lock.holds(m_file), acquired);

        // Whoever holds the file now, another editor is kept out.
        QLockFile second(lockPath);
        second.setStaleLockTime(0);
        QVERIFY(!second.tryLock(0));

        if (!acquired) {
            QCOMPARE(lock.holder().pid, QCoreApplication::applicationPid());
            QCOMPARE(lock.holder().host, QSysInfo::machineHostName());
            QCOMPARE(lock.holder().application,
                     QFileInfo(QCoreApplication::applicationFilePath()).fileName());
            if (other == "live for a day")
                QCOMPARE(lock.holder().since.toSecsSinceEpoch(), since.toSecsSinceEpoch());
            else
                QVERIFY(qAbs(lock.holder().since.secsTo(QDateTime::currentDateTime())) < 60);
        }
    }

    void releaseLetsTheNextEditorIn_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("release") << "release";
        QTest::newRow("another file") << "another file";
        QTest::newRow("end of the lock") << "end";
    }

    void releaseLetsTheNextEditorIn()
    {
        QFETCH(QString, how);
        QLockFile next(EditorLock::lockPathOf(m_file));
        next.setStaleLockTime(0);
        {
            EditorLock lock;
            QCOMPARE(int(lock.acquire(m_file)), int(EditorLock::Outcome::Acquired));
            QVERIFY(!next.tryLock(0));
            if (how == "release")
                lock.release();
            else if (how == "another file")
                QCOMPARE(int(lock.acquire(m_dir.filePath("other.qus"))),
                         int(EditorLock::Outcome::Acquired));
            if (how != "end") {
                QVERIFY(next.tryLock(0));
                next.unlock();
            }
        }
        QVERIFY(next.tryLock(0));
    }

    void holdsTheFileByAnyPath()
    {
        EditorLock lock;
        QCOMPARE(int(lock.acquire(m_file)), int(EditorLock::Outcome::Acquired));
        QVERIFY(lock.holds(m_dir.path() + "/./quiz.qus"));
        QVERIFY(!lock.holds(m_dir.filePath("other.qus")));
        EditorLock moved = std::move(lock);
        QVERIFY(moved.holds(m_file));
        EditorLock second;
        QCOMPARE(int(second.acquire(m_file)), int(EditorLock::Outcome::HeldByOther));
    }

private:
    QTemporaryDir m_dir;
    QString m_file;
};

QTEST_GUILESS_MAIN(EditorLockTest)
#include "EditorLockTest.moc"
