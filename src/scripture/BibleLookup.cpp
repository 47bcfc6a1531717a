// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"

#include "BookTable.h"
#include "ScriptureReference.h"

#include <map>
#include <QRegularExpression>
#include <markupfiltmgr.h>
#include <mutex>
#include <optional>
#include <swmgr.h>
#include <swmodule.h>
#include <tuple>
#include <vector>
#include <versekey.h>

#include <QCoreApplication>

namespace {

constexpr int OldTestamentBooks = 39;

QString plainText(sword::SWModule& module)
{
    QString text = QString::fromUtf8(module.stripText());
    // Paragraph marks are layout, not words.
    text.remove(QChar(0x00B6));
    // A Strong's number some modules leave outside its markup ("novecientos
    // <H3967> sesenta") is no word of the verse.
    if (text.contains(u'<')) {
        static const QRegularExpression strongs(QStringLiteral(R"(<[HG]\d+>)"));
        text.remove(strongs);
    }
    return text.simplified();
}

bool isBible(const sword::SWModule& module)
{
    return qstrcmp(module.getType(), sword::SWMgr::MODTYPE_BIBLES) == 0;
}

// Recursive: the constructor chooses a module through setModule().
std::recursive_mutex& swordLock()
{
    static std::recursive_mutex lock;
    return lock;
}

} // namespace

struct BibleLookup::Sword
{
    sword::SWMgr manager{new sword::MarkupFilterMgr(sword::FMT_PLAIN)};
    sword::SWModule* module = nullptr;
    // The plain text of every verse read so far, by module, book and
    // chapter; empty until read. SWORD unpacks a whole book to give one
    // verse, and renders each verse's markup at some 50 microseconds, so a
    // verse is read once; at most the whole Bible is kept, some 10 MB.
    std::map<std::tuple<const sword::SWModule*, int, int>, std::vector<std::optional<QString>>>
        verses;

    std::vector<std::optional<QString>>& chapter(int book, int chapter, int verseCount)
    {
        auto& found = verses[{module, book, chapter}];
        if (found.empty())
            found.resize(std::size_t(verseCount));
        return found;
    }

    // The key of the chosen module at verse 1 of the first chapter of
    // book, by number: a chapter or verse past the end must not roll over
    // into the next one. Null when the module has no verse keys.
    std::unique_ptr<sword::SWKey> keyAt(int book) const
    {
        std::unique_ptr<sword::SWKey> owned(module->createKey());
        auto* key = dynamic_cast<sword::VerseKey*>(owned.get());
        if (!key)
            return nullptr;
        key->setAutoNormalize(false);
        key->setIntros(false);
        const bool oldTestament = book < OldTestamentBooks;
        key->setTestament(oldTestament ? 1 : 2);
        key->setBook(char(oldTestament ? book + 1 : book - OldTestamentBooks + 1));
        key->setChapter(1);
        key->setVerse(1);
        return owned;
    }

    const QString& verseText(std::optional<QString>& cached, sword::VerseKey& key, int verse)
    {
        if (!cached) {
            key.setVerse(verse);
            module->setKey(key);
            cached = plainText(*module);
        }
        return *cached;
    }

    // The book table index of a name SWORD knows, -1 when none.
    int bookIndex(const QString& name) const
    {
        sword::VerseKey key;
        key.setText((name + QStringLiteral(" 1:1")).toUtf8().constData());
        if (key.popError() != 0)
            return -1;
        return key.getTestament() == 1 ? key.getBook() - 1 : OldTestamentBooks + key.getBook() - 1;
    }
};

BibleLookup::BibleLookup()
{
    const std::lock_guard guard(swordLock());
    m_sword = std::make_unique<Sword>();
    if (!setModule(QStringLiteral("KJV"))) {
        for (const Module& module : modules()) {
            setModule(module.name);
            break;
        }
    }
}

BibleLookup::~BibleLookup()
{
    const std::lock_guard guard(swordLock());
    m_sword.reset();
}

QList<BibleLookup::Module> BibleLookup::modules() const
{
    const std::lock_guard guard(swordLock());
    QList<Module> found;
    for (const auto& [name, module] : m_sword->manager.Modules) {
        if (isBible(*module))
            found.append({QString::fromUtf8(module->getName()),
                          QString::fromUtf8(module->getConfigEntry("Abbreviation")),
                          QString::fromUtf8(module->getDescription())});
    }
    return found;
}

bool BibleLookup::setModule(const QString& name)
{
    const std::lock_guard guard(swordLock());
    for (const auto& [moduleName, module] : m_sword->manager.Modules) {
        if (!isBible(*module))
            continue;
        if (name == QString::fromUtf8(module->getName()) ||
            name == QString::fromUtf8(module->getConfigEntry("Abbreviation"))) {
            m_sword->module = module;
            return true;
        }
    }
    return false;
}

QString BibleLookup::moduleName() const
{
    const std::lock_guard guard(swordLock());
    return m_sword->module ? QString::fromUtf8(m_sword->module->getName()) : QString();
}

QString BibleLookup::moduleVersion() const
{
    const std::lock_guard guard(swordLock());
    return m_sword->module ? QString::fromUtf8(m_sword->module->getConfigEntry("Version"))
                           : QString();
}

BibleLanguage::Language BibleLookup::moduleLanguage() const
{
    const std::lock_guard guard(swordLock());
    if (!m_sword->module)
        return BibleLanguage::English;
    return BibleLanguage::ofModule(QString::fromUtf8(m_sword->module->getConfigEntry("Lang")))
        .value_or(BibleLanguage::English);
}

QString BibleLookup::noModuleMessage()
{
    return QCoreApplication::translate("BibleLookup",
                                       "No Bible module is installed (install sword-text-kjv).");
}

Passage BibleLookup::passage(QStringView text, int book) const
{
    const std::lock_guard guard(swordLock());
    Passage result;
    auto fail = [&result](Passage::Outcome outcome, const QString& message) {
        result.outcome = outcome;
        result.message = message;
        return result;
    };
    if (!m_sword->module)
        return fail(Passage::Outcome::NoModule, noModuleMessage());
    ScriptureReference::Refusal refusal = ScriptureReference::Refusal::NoReference;
    const auto reference = ScriptureReference::parse(text, &refusal);
    if (!reference.has_value()) {
        const QString typed = text.trimmed().toString();
        switch (refusal) {
        case ScriptureReference::Refusal::List:
            return fail(Passage::Outcome::Unknown,
                        QCoreApplication::translate(
                            "BibleLookup", "'%1' is a list of references; look up one verse, range "
                                           "or chapter at a time.")
                            .arg(typed));
        case ScriptureReference::Refusal::SeveralChapters:
            return fail(Passage::Outcome::Unknown,
                        QCoreApplication::translate(
                            "BibleLookup", "'%1' spans several chapters; look up one chapter at a "
                                           "time.")
                            .arg(typed));
        case ScriptureReference::Refusal::NoReference:
            break;
        }
        return fail(
            Passage::Outcome::Unknown,
            QCoreApplication::translate("BibleLookup", "'%1' is not a reference.").arg(typed));
    }
    if (!reference->bookName.isEmpty()) {
        book = ScriptureReference::bookTableIndex(reference->bookName);
        if (book < 0)
            book = m_sword->bookIndex(reference->bookName);
        if (book < 0)
            return fail(Passage::Outcome::Unknown,
                        QCoreApplication::translate("BibleLookup", "Unknown book '%1'.")
                            .arg(reference->bookName));
    }
    if (book < 0)
        return fail(Passage::Outcome::Unknown,
                    QCoreApplication::translate("BibleLookup", "No book is chosen."));
    if (!IsBibleBook(book))
        return fail(Passage::Outcome::NotBiblical,
                    QCoreApplication::translate("BibleLookup", "%1 is not a Bible book.")
                        .arg(QString::fromLatin1(BookAbbreviation(book))));

    const std::unique_ptr<sword::SWKey> owned = m_sword->keyAt(book);
    auto* key = static_cast<sword::VerseKey*>(owned.get());
    if (!key)
        return fail(Passage::Outcome::NoModule, noModuleMessage());
    const QString bookName = QString::fromUtf8(key->getBookName());
    // The message names the number as typed, however long.
    if (reference->chapter < 1 || reference->chapter > key->getChapterMax())
        return fail(Passage::Outcome::NoSuchVerse,
                    QCoreApplication::translate("BibleLookup", "%1 has no chapter %2.")
                        .arg(bookName, reference->chapterText));
    key->setChapter(reference->chapter);
    const int verseMax = key->getVerseMax();
    if (!reference->wholeChapter()) {
        const bool firstPast = reference->firstVerse < 1 || reference->firstVerse > verseMax;
        if (firstPast || reference->lastVerse > verseMax)
            return fail(Passage::Outcome::NoSuchVerse,
                        QCoreApplication::translate("BibleLookup",
                                                    "%1 %2 has no verse %3; it has %4 verses.")
                            .arg(bookName, reference->chapterText,
                                 firstPast ? reference->firstVerseText : reference->lastVerseText)
                            .arg(verseMax));
    }

    const int first = reference->wholeChapter() ? 1 : reference->firstVerse;
    const int last = reference->wholeChapter() ? verseMax : reference->lastVerse;
    result.outcome = Passage::Outcome::Found;
    result.wholeChapter = reference->wholeChapter();
    result.title = QStringLiteral("%1 %2").arg(bookName).arg(reference->chapter);
    if (!reference->wholeChapter())
        result.title += first == last ? QStringLiteral(":%1").arg(first)
                                      : QStringLiteral(":%1-%2").arg(first).arg(last);
    auto& chapter = m_sword->chapter(book, reference->chapter, verseMax);
    for (int verse = first; verse <= last; ++verse)
        result.verses.append(
            {verse, m_sword->verseText(chapter[std::size_t(verse - 1)], *key, verse)});
    return result;
}

bool BibleLookup::readAhead(const std::atomic<bool>* stop) const
{
    std::unique_lock guard(swordLock());
    const sword::SWModule* const module = m_sword->module;
    // The lock is let go after every verse, so a lookup waits for one at most.
    auto keepOn = [&] {
        guard.unlock();
        const bool stopped = stop && stop->load();
        guard.lock();
        return !stopped && m_sword->module == module;
    };
    for (int book = 0; book < BibleBookCount && module; ++book) {
        if (!IsBibleBook(book))
            continue;
        const std::unique_ptr<sword::SWKey> owned = m_sword->keyAt(book);
        auto* key = static_cast<sword::VerseKey*>(owned.get());
        if (!key)
            return false;
        const int chapters = key->getChapterMax();
        for (int chapter = 1; chapter <= chapters; ++chapter) {
            key->setVerse(1);
            key->setChapter(chapter);
            const int verseMax = key->getVerseMax();
            for (int verse = 1; verse <= verseMax; ++verse) {
                if (!keepOn())
                    return false;
                m_sword->verseText(
                    m_sword->chapter(book, chapter, verseMax)[std::size_t(verse - 1)], *key, verse);
            }
        }
    }
    return module != nullptr;
}

bool BibleLookup::forEachVerse(const std::function<void(const QString&)>& verse,
                               const std::atomic<bool>* stop) const
{
    std::unique_lock guard(swordLock());
    if (!m_sword->module)
        return false;
    sword::SWModule& module = *m_sword->module;
    std::unique_ptr<sword::SWKey> owned(module.createKey());
    auto* key = dynamic_cast<sword::VerseKey*>(owned.get());
    if (!key)
        return false;
    key->setIntros(false);
    module.setKey(*key);
    module.setPosition(sword::TOP);
    while (!module.popError()) {
        const QString text = plainText(module);
        module.increment();
        guard.unlock();
        if (stop && stop->load())
            return false;
        verse(text);
        guard.lock();
    }
    return true;
}
