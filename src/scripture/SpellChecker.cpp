// SPDX-License-Identifier: GPL-2.0-or-later
#include "SpellChecker.h"

#include "BibleLookup.h"
#include "BibleWordList.h"
#include "PrivateFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cerrno>
#include <hunspell.hxx>

namespace {

QStringList dictionaryFolders()
{
    QStringList folders;
    const QString extra = qEnvironmentVariable("DICPATH");
    if (!extra.isEmpty())
        folders += extra.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    folders += {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts"),
                QStringLiteral("/usr/local/share/hunspell")};
    return folders;
}

// Letters with inner apostrophes: "Pharaoh's" is one word, "don't" too.
const QRegularExpression& wordPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\p{L}+(?:['’]\p{L}+)*)"));
    return pattern;
}

// The words of a list, once each; false when the file is there but cannot
// be read, so that nothing is written over it.
bool readWords(const QString& path, QStringList& words)
{
    words.clear();
    QFile file(path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    for (const QString& line : QString::fromUtf8(content).split(u'\n')) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !words.contains(word))
            words += word;
    }
    return true;
}

QByteArray wordLines(const QStringList& words)
{
    return words.isEmpty() ? QByteArray() : (words.join(u'\n') + u'\n').toUtf8();
}

} // namespace

SpellChecker::SpellChecker() = default;
SpellChecker::~SpellChecker() = default;

QStringList SpellChecker::installedLanguages()
{
    QStringList languages;
    for (const QString& folder : dictionaryFolders()) {
        for (const QFileInfo& dic : QDir(folder).entryInfoList({QStringLiteral("*.dic")})) {
            if (QFileInfo::exists(dic.path() + u'/' + dic.completeBaseName() +
                                  QStringLiteral(".aff")) &&
                !languages.contains(dic.completeBaseName()))
                languages += dic.completeBaseName();
        }
    }
    languages.sort();
    return languages;
}

QString SpellChecker::dictionaryFile(const QString& languageOrPath)
{
    QString dic = languageOrPath;
    if (!dic.endsWith(u".dic")) {
        dic.clear();
        for (const QString& folder : dictionaryFolders()) {
            const QString candidate = folder + u'/' + languageOrPath + QStringLiteral(".dic");
            if (QFileInfo::exists(candidate)) {
                dic = candidate;
                break;
            }
        }
    }
    const QFileInfo info(dic);
    const QString aff = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".aff");
    if (dic.isEmpty() || !info.isFile() || !QFileInfo(aff).isFile())
        return {};
    return dic;
}

bool SpellChecker::loadDictionary(const QString& languageOrPath)
{
    const QString dic = dictionaryFile(languageOrPath);
    if (dic.isEmpty())
        return false;
    const QFileInfo info(dic);
    const QString aff = info.path() + u'/' + info.completeBaseName() + QStringLiteral(".aff");
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                            QFile::encodeName(dic).constData());
    m_language = info.completeBaseName();
    m_answers.clear();
    // Words accepted before belong in the new dictionary too.
    for (const QString& word : std::as_const(m_accepted))
        m_hunspell->add(word.toStdString());
    return true;
}

bool SpellChecker::available() const
{
    return m_hunspell != nullptr;
}

QString SpellChecker::noDictionaryMessage()
{
    return QCoreApplication::translate(
        "SpellChecker", "No spelling dictionary is installed (install hunspell-en-us).");
}

void SpellChecker::accept(const QString& word)
{
    m_accepted.insert(word);
    m_answers.remove(word);
    if (m_hunspell)
        m_hunspell->add(word.toStdString());
}

void SpellChecker::addBibleWords(const BibleLookup& bible, const QString& cacheFolder,
                                 const QStringList& prebuiltFolders, const std::atomic<bool>* stop)
{
    const QStringList words =
        BibleWordList::load(bible, prebuiltFolders + QStringList{cacheFolder}, stop);
    for (const QString& word : words)
        accept(word);
}

void SpellChecker::usePersonalList(const QString& path)
{
    m_personalPath = path;
    readWords(path, m_personalWords);
    for (const QString& word : std::as_const(m_personalWords))
        accept(word);
}

WriteResult SpellChecker::addToPersonalList(const QString& word)
{
    accept(word);
    if (m_personalPath.isEmpty())
        return WriteResult::failure(
            ENOENT, true,
            QCoreApplication::translate("SpellChecker", "No dictionary file is chosen: "));
    const QString folder = QFileInfo(m_personalPath).path();
    errno = 0;
    if (!PrivateFile::makeFolder(folder))
        return WriteResult::failure(
            errno != 0 ? errno : EACCES, true,
            QCoreApplication::translate("SpellChecker", "The folder %1 cannot be made: ")
                .arg(QDir::toNativeSeparators(folder)));
    // Another editor may have added words since this one read the file:
    // they are read back under the lock, never written over.
    QLockFile lock(m_personalPath + QStringLiteral(".lock"));
    if (!lock.tryLock(5000)) {
        const bool refused = lock.error() == QLockFile::PermissionError;
        return WriteResult::failure(
            refused ? EACCES : EBUSY, true,
            QCoreApplication::translate("SpellChecker", "The dictionary %1 is locked (%2): ")
                .arg(QDir::toNativeSeparators(m_personalPath),
                     QDir::toNativeSeparators(lock.fileName())));
    }
    QStringList words;
    errno = 0;
    if (!readWords(m_personalPath, words))
        return WriteResult::failure(
            errno != 0 ? errno : EIO, true,
            QCoreApplication::translate("SpellChecker", "The dictionary %1 cannot be read: ")
                .arg(QDir::toNativeSeparators(m_personalPath)));
    for (const QString& known : std::as_const(words))
        accept(known);
    if (!words.contains(word))
        words += word;
    const WriteResult result = PrivateFile::write(m_personalPath, wordLines(words));
    if (result.ok)
        m_personalWords = words;
    return result;
}

void SpellChecker::ignore(const QString& word)
{
    accept(word);
}

void SpellChecker::addAuthorLists(const BibleLookup& bible, const std::atomic<bool>* stop)
{
    addBibleWords(bible, QStandardPaths::writableLocation(QStandardPaths::CacheLocation),
                  BibleWordList::installedFolders(), stop);
    usePersonalList(personalListPath());
}

QString SpellChecker::personalListPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/dictionary.txt");
}

bool SpellChecker::isCorrect(const QString& word) const
{
    if (m_accepted.contains(word))
        return true;
    if (!m_hunspell)
        return true;
    if (const auto known = m_answers.constFind(word); known != m_answers.cend())
        return *known;
    const bool right = m_hunspell->spell(word.toStdString());
    m_answers.insert(word, right);
    return right;
}

QStringList SpellChecker::suggestions(const QString& word, int most) const
{
    QStringList found;
    if (!m_hunspell)
        return found;
    for (const std::string& suggestion : m_hunspell->suggest(word.toStdString())) {
        if (found.size() == most)
            break;
        found += QString::fromStdString(suggestion);
    }
    return found;
}

QList<SpellChecker::Misspelling> SpellChecker::misspellings(QStringView text) const
{
    QList<Misspelling> found;
    if (!m_hunspell)
        return found;
    for (auto it = wordPattern().globalMatch(text.toString()); it.hasNext();) {
        const auto match = it.next();
        const QString word = match.captured();
        if (!isCorrect(word))
            found.append({match.capturedStart(), match.capturedLength(), word});
    }
    return found;
}
