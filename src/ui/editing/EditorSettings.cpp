// SPDX-License-Identifier: GPL-2.0-or-later
#include "EditorSettings.h"

#include "EditorPreferences.h"
#include "IntegerConversion.h"

#include <QSettings>

namespace {

QString readText(QSettings& settings, const QString& key, const QString& fallback)
{
    return settings.contains(key) ? settings.value(key).toString() : fallback;
}

// Any whole number other than 0 is true; a text that is no number is the
// default.
bool readBoolean(QSettings& settings, const QString& key, bool fallback)
{
    if (!settings.contains(key))
        return fallback;
    const auto number = ParseInteger(settings.value(key).toString());
    return number ? *number != 0 : fallback;
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString EditorSettings::ReadSettings(EditorPreferences& preferences, const QString& programFolder)
{
    QSettings settings(Organization, Application);
    preferences.programFolder = programFolder;
    preferences.lastOpenDir =
        readText(settings, QStringLiteral("LastTime/LastOpenDir"), programFolder);
    preferences.lastSaveDir =
        readText(settings, QStringLiteral("LastTime/LastSaveDir"), programFolder);
    preferences.autosave = readBoolean(settings, QStringLiteral("Preferences/AutoSave"), true);
    preferences.alwaysWarn = readBoolean(settings, QStringLiteral("Preferences/AlwaysWarn"), false);
    preferences.resetValidate =
        readBoolean(settings, QStringLiteral("Preferences/ResetValidate"), true);
    preferences.helpHints = readBoolean(settings, QStringLiteral("Preferences/BubbleHints"), true);
    const QString installPath =
        readText(settings, QStringLiteral("InstallPath/ExePath"), DefaultInstallPath);
#ifdef Q_OS_WIN
    return installPath + QStringLiteral("\\qved3.hlp");
#else
    return installPath + QStringLiteral("/qved3.hlp");
#endif
}

void EditorSettings::WriteSettings(const EditorPreferences& preferences)
{
    QSettings settings(Organization, Application);
    settings.setValue(QStringLiteral("LastTime/LastOpenDir"), preferences.lastOpenDir);
    settings.setValue(QStringLiteral("LastTime/LastSaveDir"), preferences.lastSaveDir);
    settings.setValue(QStringLiteral("Preferences/AutoSave"), flag(preferences.autosave));
    settings.setValue(QStringLiteral("Preferences/AlwaysWarn"), flag(preferences.alwaysWarn));
    settings.setValue(QStringLiteral("Preferences/ResetValidate"), flag(preferences.resetValidate));
    settings.setValue(QStringLiteral("Preferences/BubbleHints"), flag(preferences.helpHints));
    settings.sync();
}

QString EditorSettings::ReadLanguage()
{
    QSettings settings(Organization, Application);
    return settings.value(QStringLiteral("Preferences/Language")).toString();
}

void EditorSettings::WriteLanguage(const QString& language)
{
    QSettings settings(Organization, Application);
    settings.setValue(QStringLiteral("Preferences/Language"), language);
    settings.sync();
}
