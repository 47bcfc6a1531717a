// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleLookup.h"

#include "BookTable.h"
#include "ScriptureReference.h"

#include <QRegularExpression>
#include <markupfiltmgr.h>
#include <mutex>
#include <swmgr.h>
#include <swmodule.h>
#include <versekey.h>

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
    return QStringLiteral("No Bible module is installed (install sword-text-kjv).");
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
                        QStringLiteral("'%1' is a list of references; look up one verse, range "
                                       "or chapter at a time.")
                            .arg(typed));
        case ScriptureReference::Refusal::SeveralChapters:
            return fail(Passage::Outcome::Unknown,
                        QStringLiteral("'%1' spans several chapters; look up one chapter at a "
                                       "time.")
                            .arg(typed));
        case ScriptureReference::Refusal::NoReference:
            break;
        }
        return fail(Passage::Outcome::Unknown,
                    QStringLiteral("'%1' is not a reference.").arg(typed));
    }
    if (!reference->bookName.isEmpty()) {
        book = ScriptureReference::bookTableIndex(reference->bookName);
        if (book < 0)
            book = m_sword->bookIndex(reference->bookName);
        if (book < 0)
            return fail(Passage::Outcome::Unknown,
                        QStringLiteral("Unknown book '%1'.").arg(reference->bookName));
    }
    if (book < 0)
        return fail(Passage::Outcome::Unknown, QStringLiteral("No book is chosen."));
    if (!IsBibleBook(book))
        return fail(Passage::Outcome::NotBiblical,
                    QStringLiteral("%1 is not a Bible book.")
                        .arg(QString::fromLatin1(BookAbbreviation(book))));

    // Positioned by number: a chapter or verse past the end must not roll
    // over into the next one.
    sword::SWModule& module = *m_sword->module;
    std::unique_ptr<sword::SWKey> owned(module.createKey());
    auto* key = dynamic_cast<sword::VerseKey*>(owned.get());
    if (!key)
        return fail(Passage::Outcome::NoModule, noModuleMessage());
    key->setAutoNormalize(false);
    key->setIntros(false);
    const bool oldTestament = book < OldTestamentBooks;
    key->setTestament(oldTestament ? 1 : 2);
    key->setBook(char(oldTestament ? book + 1 : book - OldTestamentBooks + 1));
    key->setChapter(1);
    key->setVerse(1);
    const QString bookName = QString::fromUtf8(key->getBookName());
    // The message names the number as typed, however long.
    if (reference->chapter < 1 || reference->chapter > key->getChapterMax())
        return fail(Passage::Outcome::NoSuchVerse,
                    QStringLiteral("%1 has no chapter %2.").arg(bookName, reference->chapterText));
    key->setChapter(reference->chapter);
    const int verseMax = key->getVerseMax();
    if (!reference->wholeChapter()) {
        const bool firstPast = reference->firstVerse < 1 || reference->firstVerse > verseMax;
        if (firstPast || reference->lastVerse > verseMax)
            return fail(Passage::Outcome::NoSuchVerse,
                        QStringLiteral("%1 %2 has no verse %3; it has %4 verses.")
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
    for (int verse = first; verse <= last; ++verse) {
        key->setVerse(verse);
        module.setKey(*key);
        result.verses.append({verse, plainText(module)});
    }
    return result;
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
