// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BibleLanguage.h"

#include <QCommandLineOption>
#include <QString>
#include <optional>

class BibleLookup;
class QCommandLineParser;

// The --language and --module options of the commands that read a Bible
// (verse, spell, refcheck), alike in each: --language picks the module (and
// spell's dictionary) of a language, --module names another module.
class ToolBibleOptions
{
public:
    // Adds the options to the command's parser.
    explicit ToolBibleOptions(QCommandLineParser& parser);

    // After parsing: the exit status of a usage error (a language that is
    // none of en and es), said on standard error; nothing when the options
    // are fine.
    std::optional<int> refusal(const QString& command) const;
    BibleLanguage::Language language() const;
    bool moduleNamed() const;
    // Chooses the module of --module, else the language's (English: the
    // default one). False, with the reason and the package to install said,
    // when it is not installed.
    bool chooseModule(BibleLookup& bible, const QString& command) const;

private:
    const QCommandLineParser& m_parser;
    QCommandLineOption m_language;
    QCommandLineOption m_module;
};
