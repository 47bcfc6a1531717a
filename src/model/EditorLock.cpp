// SPDX-License-Identifier: GPL-2.0-or-later
#include "EditorLock.h"

#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>

QString EditorLock::Holder::text() const
{
    QString result = application.isEmpty()
                         ? QCoreApplication::translate("EditorLock", "another editor")
                         : application;
    if (pid > 0)
        result += QCoreApplication::translate("EditorLock", ", process %1").arg(pid);
    if (!host.isEmpty())
        result += QCoreApplication::translate("EditorLock", " on %1").arg(host);
    if (since.isValid())
        result += QCoreApplication::translate("EditorLock", ", since %1")
                      .arg(QLocale().toString(since, QLocale::ShortFormat));
    return result;
}

EditorLock::EditorLock() = default;
EditorLock::EditorLock(EditorLock&& other) noexcept = default;
EditorLock& EditorLock::operator=(EditorLock&& other) noexcept = default;
EditorLock::~EditorLock() = default;

QString EditorLock::lockPathOf(const QString& filePath)
{
    return RecoveryJournal::journalPathOf(filePath) + QStringLiteral(".lock");
}

EditorLock::Outcome EditorLock::acquire(const QString& filePath)
{
    release();
    m_holder = {};
    const QString lockPath = lockPathOf(filePath);
    QDir().mkpath(QFileInfo(lockPath).absolutePath());
    auto lock = std::make_unique<QLockFile>(lockPath);
    // An editor may keep a file open for days: only a holder whose process
    // is gone makes the lock stale, never its age.
    lock->setStaleLockTime(0);
    // tryLock takes over a lock whose process is gone on this host.
    if (lock->tryLock(0)) {
        m_lock = std::move(lock);
        m_lockPath = lockPath;
        return Outcome::Acquired;
    }
    if (lock->error() != QLockFile::LockFailedError)
        return Outcome::Failed;
    if (!lock->getLockInfo(&m_holder.pid, &m_holder.host, &m_holder.application))
        m_holder = {};
    m_holder.since = QFileInfo(lockPath).lastModified();
    return Outcome::HeldByOther;
}

void EditorLock::release()
{
    m_lock.reset(); // the destructor unlocks
    m_lockPath.clear();
}

bool EditorLock::holds(const QString& filePath) const
{
    return m_lock && lockPathOf(filePath) == m_lockPath;
}
