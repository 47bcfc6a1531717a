// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "BibleLanguage.h"
#include "Passage.h"

#include <QList>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

// The text of the verses a reference names, read from an installed SWORD
// Bible module. SWORD stays inside the class: users see Qt types only.
// SWORD's shared managers are not safe for two threads at once, so every
// lookup of every instance takes one process-wide lock: a word list can be
// read on a worker thread while the window looks up verses. Each object
// keeps the verses it has read.
class BibleLookup
{
public:
    struct Module
    {
        QString name;         // "engKJV2006eb"
        QString abbreviation; // "KJV"
        QString description;  // "King James Version"
    };

    // Opens the modules SWORD finds on its own search path, the module
    // whose abbreviation is KJV chosen when there is one.
    BibleLookup();
    ~BibleLookup();
    BibleLookup(const BibleLookup&) = delete;
    BibleLookup& operator=(const BibleLookup&) = delete;

    QList<Module> modules() const;
    // By name or abbreviation; false, and the choice unchanged, when there
    // is no such Bible module.
    bool setModule(const QString& name);
    // Empty when no Bible module is installed.
    QString moduleName() const;
    bool available() const { return !moduleName().isEmpty(); }
    // The module's own version ("14.3"); empty when it gives none.
    QString moduleVersion() const;
    // The language of the module's text, English unless it says another.
    BibleLanguage::Language moduleLanguage() const;

    // reference may name its book ("Gen. 2:7", "Genesis 2:7", "1 Jn 1:1");
    // when it names none, book (a book table index, -1 for none) is used.
    Passage passage(QStringView reference, int book = -1) const;
    // Reads every verse of the chosen module that was not read yet, so later
    // lookups of this object answer from memory; the lock is taken verse by
    // verse. Stops early, answering false, once *stop is set or another
    // module is chosen.
    bool readAhead(const std::atomic<bool>* stop = nullptr) const;
    // Every verse of the chosen module, in order, as plain text; the lock is
    // taken verse by verse. Stops early, answering false, once *stop is set.
    bool forEachVerse(const std::function<void(const QString&)>& verse,
                      const std::atomic<bool>* stop = nullptr) const;

    static QString noModuleMessage();

private:
    struct Sword;
    std::unique_ptr<Sword> m_sword;
};
