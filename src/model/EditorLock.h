// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <memory>

class QLockFile;

// Marks a question file as open for editing here, so that a second editor
// of the same file (another window or another process) learns who has it
// instead of writing over its work and its journal. The lock lives beside
// the file's journal and is held until released or destroyed. A lock left by
// an editor that was killed (its process is gone on this host) is taken over
// without asking; a live editor's lock never goes stale with age.
class EditorLock
{
public:
    enum class Outcome
    {
        Acquired,
        HeldByOther,
        Failed // the lock could not be made (a folder that takes no file)
    };

    // The editor that holds a file, as its lock tells.
    struct Holder
    {
        qint64 pid = 0; // 0 when the lock could not be read
        QString host;
        QString application;
        QDateTime since;

        // "qved3, process 1234 on host, since <date>", as far as known.
        QString text() const;
    };

    EditorLock();
    EditorLock(EditorLock&& other) noexcept;
    EditorLock& operator=(EditorLock&& other) noexcept;
    ~EditorLock();

    static QString lockPathOf(const QString& filePath);

    // Releases the lock held, then tries to lock this file.
    Outcome acquire(const QString& filePath);
    void release();
    bool isHeld() const { return m_lock != nullptr; }
    // True while this lock holds that file, whatever path leads to it.
    bool holds(const QString& filePath) const;
    // Who holds the file, after acquire() answered HeldByOther.
    const Holder& holder() const { return m_holder; }

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_lockPath;
    Holder m_holder;
};
