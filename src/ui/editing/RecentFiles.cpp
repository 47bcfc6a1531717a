// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecentFiles.h"

#include "EditorSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString Key = QStringLiteral("RecentFiles/Files");

// Two spellings of one file are one entry.
QString canonical(const QString& path)
{
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

RecentFiles::RecentFiles(QObject* parent) : QObject(parent)
{
    const QStringList stored = QSettings(EditorSettings::Organization, EditorSettings::Application)
                                   .value(Key)
                                   .toStringList();
    for (const QString& path : stored) {
        const QString file = canonical(path);
        if (!path.isEmpty() && !m_files.contains(file) && m_files.size() < Most)
            m_files << file;
    }
}

void RecentFiles::add(const QString& path)
{
    const QString file = canonical(path);
    if (!m_files.isEmpty() && m_files.first() == file)
        return;
    m_files.removeAll(file);
    m_files.prepend(file);
    while (m_files.size() > Most)
        m_files.removeLast();
    store();
}

void RecentFiles::remove(const QString& path)
{
    if (m_files.removeAll(canonical(path)) > 0)
        store();
}

void RecentFiles::store()
{
    QSettings settings(EditorSettings::Organization, EditorSettings::Application);
    settings.setValue(Key, m_files);
    settings.sync();
    emit changed();
}
