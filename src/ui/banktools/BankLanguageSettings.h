// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BibleLanguage.h"

#include <QString>
#include <optional>

// The language the author chose for each question file, kept in the
// settings by the file's canonical path: the same file reached by another
// name or a link is the same bank.
class BankLanguageSettings
{
public:
    // Nothing when none was chosen, or the file is not there.
    static std::optional<BibleLanguage::Language> chosen(const QString& file);
    // False when the file is not there to name.
    static bool remember(const QString& file, BibleLanguage::Language language);

private:
    // Empty when the file is not there.
    static QString key(const QString& file);
};
