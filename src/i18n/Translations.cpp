// SPDX-License-Identifier: GPL-2.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

QString s_current = QStringLiteral("en");

// Loads the first translation found for the locale's languages, in their
// order; null when there is none. The application owns the translator.
QTranslator* load(const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace

QString Translations::install(const QString& language, const QString& folder)
{
    const QLocale locale = language.isEmpty() ? QLocale::system() : QLocale(language);
    s_current = QStringLiteral("en");
    // The English texts are the source texts: a user who chose English, or
    // whose first language is English, gets no translation at all, even when
    // a later language in the list has one.
    const QString first = locale.uiLanguages().value(0).section(u'-', 0, 0);
    if (first == u"en" || first == u"C")
        return s_current;
    if (const QTranslator* own = load(locale, QStringLiteral("qved"), folder))
        s_current = own->language().section(u'_', 0, 0).section(u'-', 0, 0);
    load(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return s_current;
}

QString Translations::current()
{
    return s_current;
}

QString Translations::folder()
{
    const QString programs = QCoreApplication::applicationDirPath();
    const QString beside = programs + QStringLiteral("/translations");
    if (QDir(beside).exists())
        return beside;
    return QDir::cleanPath(programs + QStringLiteral("/" QVED_TRANSLATIONS_FROM_BIN));
}
