// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>

class FileCommands;
class MainWindowControls;
class RecentFiles;
class RecentFilesMenu;
class ToolHost;
class UserPrompts;

// What authors expect of any desktop program's window: File > Open Recent,
// a file dropped on the window opened, and the window's size, place and
// splitter kept between runs.
class WindowHabits : public QObject
{
    Q_OBJECT

public:
    WindowHabits(ToolHost& host, MainWindowControls& controls, FileCommands& files,
                 UserPrompts& prompts);

    RecentFiles& recentFiles() { return *m_recent; }
    RecentFilesMenu& recentMenu() { return *m_recentMenu; }

private:
    RecentFiles* m_recent;
    RecentFilesMenu* m_recentMenu;
};
