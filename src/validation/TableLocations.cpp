// SPDX-License-Identifier: GPL-2.0-or-later
#include "TableLocations.h"

#include "BuilderLibrary.h"
#include "ValidationTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString withSeparator(const QString& path)
{
    return QDir::toNativeSeparators(QDir::cleanPath(path) + u'/');
}

} // namespace

TableLocations::TableLocations(QStringList folders) : m_folders(std::move(folders)) {}

TableLocations TableLocations::standard()
{
    // The installed data folder is found from the program's own folder, so a
    // package unpacked anywhere finds its own table.
    const QString data =
        QCoreApplication::applicationDirPath() + QStringLiteral("/" QVED_DATA_FROM_BIN);
    return TableLocations(
        {ProgramFolder(), withSeparator(data),
         withSeparator(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))});
}

QString TableLocations::lookupFolder() const
{
    for (const QString& folder : m_folders) {
        if (QFileInfo::exists(folder + ValidationTable::FileName))
            return folder;
    }
    if (m_folders.isEmpty())
        return {};
    writable(int(m_folders.size()) - 1); // makes the user's folder for the builder
    return m_folders.last();
}

QString TableLocations::rebuildFolder() const
{
    for (int index = 0; index < m_folders.size(); ++index) {
        if (writable(index))
            return m_folders[index];
    }
    return {};
}

bool TableLocations::writable(int index) const
{
    const QString& folder = m_folders[index];
    const bool own = index == m_folders.size() - 1;
    if (own && !QFileInfo(folder).isDir())
        QDir().mkpath(folder);
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}
