// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

// The question files opened last, newest first, kept in the settings
// between runs.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int Most = 8;

    explicit RecentFiles(QObject* parent = nullptr);

    const QStringList& files() const { return m_files; }
    // The file goes to the top; a path already listed moves there.
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void changed();

private:
    void store();

    QStringList m_files;
};
