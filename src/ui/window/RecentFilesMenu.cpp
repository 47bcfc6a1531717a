// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecentFilesMenu.h"

#include "RecentFiles.h"
#include "UserPrompts.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

RecentFilesMenu::RecentFilesMenu(RecentFiles& files, QMenu& menu, UserPrompts& prompts,
                                 QWidget* window, std::function<void(const QString&)> open)
    : QObject(&menu), m_files(files), m_menu(menu), m_prompts(prompts), m_window(window),
      m_open(std::move(open))
{
    // The items stay and only change: the list changes while one of them
    // is being chosen.
    for (int number = 1; number <= RecentFiles::Most; ++number) {
        QAction* item = m_menu.addAction(QString());
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(number));
        connect(item, &QAction::triggered, this,
                [this, item] { openRecent(item->data().toString()); });
    }
    connect(&files, &RecentFiles::changed, this, &RecentFilesMenu::fill);
    fill();
}

void RecentFilesMenu::fill()
{
    const QStringList& paths = m_files.files();
    const QList<QAction*> items = m_menu.actions();
    for (qsizetype i = 0; i < items.size(); ++i) {
        QAction* item = items[i];
        item->setVisible(i < paths.size());
        if (i >= paths.size())
            continue;
        const QString path = QDir::toNativeSeparators(paths[i]);
        // The number is the access key; an ampersand of the path is text.
        item->setText(
            tr("&%1 %2").arg(i + 1).arg(QString(path).replace(u'&', QStringLiteral("&&"))));
        item->setStatusTip(tr("Open %1").arg(path));
        item->setData(paths[i]);
    }
    m_menu.setEnabled(!paths.isEmpty());
}

void RecentFilesMenu::openRecent(const QString& path)
{
    if (!QFileInfo(path).isFile()) {
        m_prompts.information(m_window, tr("%1 cannot be found. It was taken off the recent "
                                           "files.")
                                            .arg(QDir::toNativeSeparators(path)));
        m_files.remove(path);
        return;
    }
    m_open(path);
}
