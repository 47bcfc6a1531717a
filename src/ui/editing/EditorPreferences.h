// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// What the settings keep between runs: the editing options of the Options
// menu and the folders the file dialogs last showed.
struct EditorPreferences
{
    bool autosave = true;
    bool alwaysWarn = false;
    bool resetValidate = true;
    bool helpHints = true;
    QString lastOpenDir;
    QString lastSaveDir;
    // Not stored: the folder the program runs from, which dialogs avoid.
    QString programFolder;
};
