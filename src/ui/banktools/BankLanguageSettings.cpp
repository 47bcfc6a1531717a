// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankLanguageSettings.h"

#include "EditorSettings.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QSettings>

QString BankLanguageSettings::key(const QString& file)
{
    const QString canonical = QFileInfo(file).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    // A path holds the settings' group separators: its hash is one key.
    return QStringLiteral("BankLanguage/") +
           QString::fromLatin1(
               QCryptographicHash::hash(canonical.toUtf8(), QCryptographicHash::Sha256).toHex());
}

std::optional<BibleLanguage::Language> BankLanguageSettings::chosen(const QString& file)
{
    const QString name = key(file);
    if (name.isEmpty())
        return std::nullopt;
    return BibleLanguage::fromCode(
        QSettings(EditorSettings::Organization, EditorSettings::Application)
            .value(name)
            .toString());
}

bool BankLanguageSettings::remember(const QString& file, BibleLanguage::Language language)
{
    const QString name = key(file);
    if (name.isEmpty())
        return false;
    QSettings(EditorSettings::Organization, EditorSettings::Application)
        .setValue(name, BibleLanguage::code(language));
    return true;
}
