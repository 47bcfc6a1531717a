#include "EditorSettings.h"

#include "EditorSession.h"
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

QString EditorSettings::ReadSettings(EditorSession& session, const QString& programFolder)
{
    QSettings settings(Organization, Application);
    session.lastOpenDir = readText(settings, QStringLiteral("LastTime/LastOpenDir"), programFolder);
    session.lastSaveDir = readText(settings, QStringLiteral("LastTime/LastSaveDir"), programFolder);
    session.autosave = readBoolean(settings, QStringLiteral("Preferences/AutoSave"), true);
    session.alwaysWarn = readBoolean(settings, QStringLiteral("Preferences/AlwaysWarn"), false);
    session.resetValidate = readBoolean(settings, QStringLiteral("Preferences/ResetValidate"), true);
    session.helpHints = readBoolean(settings, QStringLiteral("Preferences/BubbleHints"), true);
    const QString installPath =
        readText(settings, QStringLiteral("InstallPath/ExePath"), DefaultInstallPath);
#ifdef Q_OS_WIN
    return installPath + QStringLiteral("\\qved3.hlp");
#else
    return installPath + QStringLiteral("/qved3.hlp");
#endif
}

void EditorSettings::WriteSettings(const EditorSession& session)
{
    QSettings settings(Organization, Application);
    settings.setValue(QStringLiteral("LastTime/LastOpenDir"), session.lastOpenDir);
    settings.setValue(QStringLiteral("LastTime/LastSaveDir"), session.lastSaveDir);
    settings.setValue(QStringLiteral("Preferences/AutoSave"), flag(session.autosave));
    settings.setValue(QStringLiteral("Preferences/AlwaysWarn"), flag(session.alwaysWarn));
    settings.setValue(QStringLiteral("Preferences/ResetValidate"), flag(session.resetValidate));
    settings.setValue(QStringLiteral("Preferences/BubbleHints"), flag(session.helpHints));
    settings.sync();
}
