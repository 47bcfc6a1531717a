// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The programs' texts in the user's language: the programs' own translation
// (qved_<language>.qm) and Qt's (qtbase_<language>.qm), installed on the
// application before any text is made. English needs no translation: it is
// the language the texts are written in.
class Translations
{
public:
    // Installs the translations for language ("es"), or for the system's
    // languages when it is empty, the programs' own from folder. Returns the
    // language whose translation of the programs was loaded, "en" when none
    // was.
    static QString install(const QString& language = {},
                           const QString& folder = Translations::folder());

    // The language install() chose, "en" before it was called.
    static QString current();

    // Where the programs' .qm files are: beside the programs (the build tree
    // or a portable folder), else the installed data folder.
    static QString folder();
};
