// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolBibleOptions.h"

#include "BibleLookup.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>
#include <QCoreApplication>

ToolBibleOptions::ToolBibleOptions(QCommandLineParser& parser)
    : m_parser(parser),
      m_language(QStringLiteral("language"),
                 QCoreApplication::translate(
                     "ToolBibleOptions",
                     "The bank's language: en (the King James Version; the default) "
                     "or es (the Reina-Valera 1909, sword-text-sparv)."),
                 QStringLiteral("LANGUAGE"), QStringLiteral("en")),
      m_module(QStringLiteral("module"),
               QCoreApplication::translate(
                   "ToolBibleOptions", "The Bible module, by name or abbreviation (default: the "
                                       "language's, KJV for en)."),
               QStringLiteral("NAME"))
{
    parser.addOption(m_language);
    parser.addOption(m_module);
}

std::optional<int> ToolBibleOptions::refusal(const QString& command) const
{
    const QString code = m_parser.value(m_language);
    if (BibleLanguage::fromCode(code))
        return std::nullopt;
    return ToolCommandLine::usageError(
        command,
        QCoreApplication::translate("ToolBibleOptions", "Unknown language '%1': use en or es.")
            .arg(code));
}

BibleLanguage::Language ToolBibleOptions::language() const
{
    return BibleLanguage::fromCode(m_parser.value(m_language)).value_or(BibleLanguage::English);
}

bool ToolBibleOptions::moduleNamed() const
{
    return m_parser.isSet(m_module);
}

bool ToolBibleOptions::chooseModule(BibleLookup& bible, const QString& command) const
{
    const QString prefix = QStringLiteral("qvedtool %1: ").arg(command);
    if (moduleNamed()) {
        if (bible.setModule(m_parser.value(m_module)))
            return true;
        Utf8Output::error(prefix + QCoreApplication::translate("ToolBibleOptions",
                                                               "no Bible module '%1' is installed.")
                                       .arg(m_parser.value(m_module)));
        return false;
    }
    // English keeps the lookup's own choice: the King James Version, or the
    // one Bible there is.
    if (language() == BibleLanguage::English || bible.setModule(BibleLanguage::module(language())))
        return true;
    Utf8Output::error(prefix + BibleLanguage::missingModuleMessage(language()));
    return false;
}
