#pragma once

#include "Passage.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

// The text of the verses a reference names, read from an installed SWORD
// Bible module. SWORD stays inside the class: users see Qt types only.
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

    // reference may name its book ("Gen. 2:7", "Genesis 2:7", "1 Jn 1:1");
    // when it names none, book (a book table index, -1 for none) is used.
    Passage passage(QStringView reference, int book = -1) const;
    // Every verse of the chosen module, in order, as plain text.
    void forEachVerse(const std::function<void(const QString&)>& verse) const;

    static QString noModuleMessage();

private:
    struct Sword;
    std::unique_ptr<Sword> m_sword;
};
