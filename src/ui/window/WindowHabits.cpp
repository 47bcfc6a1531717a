// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowHabits.h"

#include "FileCommands.h"
#include "FileDropOpener.h"
#include "MainWindowControls.h"
#include "QuestionDocument.h"
#include "RecentFiles.h"
#include "RecentFilesMenu.h"
#include "ToolHost.h"
#include "WindowStateKeeper.h"

#include <QMainWindow>
#include <QMenu>

WindowHabits::WindowHabits(ToolHost& host, MainWindowControls& controls, FileCommands& files,
                           UserPrompts& prompts)
    : QObject(&host.mainWindow()), m_recent(new RecentFiles(this))
{
    QMainWindow& window = host.mainWindow();
    const auto open = [&host, &files](const QString& path) {
        host.runCommand([&files, path] { files.openFile(path); });
    };

    auto* recent = new QMenu(tr("Open &Recent"), &window);
    recent->setObjectName(QStringLiteral("mnuFileRecent"));
    if (auto* file = window.findChild<QMenu*>(QStringLiteral("mnuFile")))
        file->insertMenu(controls.mnuFileNew, recent);
    m_recentMenu = new RecentFilesMenu(*m_recent, *recent, prompts, &window, open);
    // Every file the window shows under its name goes to the top.
    QuestionDocument& document = host.document();
    const auto remember = [this, &document] {
        if (!document.isUntitled())
            m_recent->add(document.fileName());
    };
    connect(&document, &QuestionDocument::listReset, this, remember);
    connect(&document, &QuestionDocument::fileNameChanged, this, remember);

    new FileDropOpener(window, open);
    new WindowStateKeeper(window, *controls.splCentral);
}
