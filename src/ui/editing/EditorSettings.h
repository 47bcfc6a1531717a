// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

struct EditorPreferences;

// The per-user settings: the two dialog folders, the four editing options,
// the language and the installation folder the help file is found in. Every value is
// stored as text, booleans as "1" and "0".
class EditorSettings
{
public:
    static inline const QString Organization = QStringLiteral("Marrowfield Software");
    static inline const QString Application = QStringLiteral("QVED3");
    static inline const QString DefaultInstallPath =
        QStringLiteral("c:\\program files\\marrowfield software\\qved3");

    // Reads into the preferences; returns the help file path.
    static QString ReadSettings(EditorPreferences& preferences, const QString& programFolder);
    static void WriteSettings(const EditorPreferences& preferences);

    // The language chosen in Options > Language ("en", "es"); empty for the
    // system's.
    static QString ReadLanguage();
    static void WriteLanguage(const QString& language);
};
