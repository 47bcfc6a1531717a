// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMenu;
class QWidget;
class RecentFiles;
class UserPrompts;

// File > Open Recent: the recent files, newest first, each opened as File >
// Open opens it. A file that is gone is said to be so and taken off.
class RecentFilesMenu : public QObject
{
    Q_OBJECT

public:
    RecentFilesMenu(RecentFiles& files, QMenu& menu, UserPrompts& prompts, QWidget* window,
                    std::function<void(const QString&)> open);

    // Opens the listed file, or says it is gone and takes it off.
    void openRecent(const QString& path);

private:
    void fill();

    RecentFiles& m_files;
    QMenu& m_menu;
    UserPrompts& m_prompts;
    QWidget* m_window;
    std::function<void(const QString&)> m_open;
};
