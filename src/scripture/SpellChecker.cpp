#include "SpellChecker.h"

#include "BibleLookup.h"
#include "SafeFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
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

QStringList readWords(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
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
            if (QFileInfo::exists(dic.path() + u'/' + dic.completeBaseName() + QStringLiteral(".aff")) &&
                !languages.contains(dic.completeBaseName()))
                languages += dic.completeBaseName();
        }
    }
    languages.sort();
    return languages;
}

bool SpellChecker::loadDictionary(const QString& languageOrPath)
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
        return false;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(aff).constData(),
                                            QFile::encodeName(dic).constData());
    m_language = info.completeBaseName();
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
    return QStringLiteral("No spelling dictionary is installed (install hunspell-en-us).");
}

void SpellChecker::accept(const QString& word)
{
    m_accepted.insert(word);
    if (m_hunspell)
        m_hunspell->add(word.toStdString());
}

void SpellChecker::addBibleWords(const BibleLookup& bible, const QString& cacheFolder)
{
    if (!bible.available())
        return;
    const QString cache =
        cacheFolder + QStringLiteral("/bible-words-%1.txt").arg(bible.moduleName());
    QStringList words = readWords(cache);
    if (words.isEmpty()) {
        QSet<QString> found;
        bible.forEachVerse([&found](const QString& verse) {
            for (auto it = wordPattern().globalMatch(verse); it.hasNext();)
                found.insert(it.next().captured());
        });
        words = QStringList(found.begin(), found.end());
        words.sort();
        // A cache that cannot be written is made again next time.
        QDir().mkpath(cacheFolder);
        SafeFileWriter::writeFile(cache, wordLines(words));
    }
    for (const QString& word : std::as_const(words))
        accept(word);
}

void SpellChecker::usePersonalList(const QString& path)
{
    m_personalPath = path;
    m_personalWords = readWords(path);
    for (const QString& word : std::as_const(m_personalWords))
        accept(word.trimmed());
}

bool SpellChecker::addToPersonalList(const QString& word)
{
    accept(word);
    if (m_personalPath.isEmpty())
        return false;
    m_personalWords += word;
    QDir().mkpath(QFileInfo(m_personalPath).path());
    return SafeFileWriter::writeFile(m_personalPath, wordLines(m_personalWords)).ok;
}

void SpellChecker::ignore(const QString& word)
{
    accept(word);
}

void SpellChecker::addAuthorLists(const BibleLookup& bible)
{
    addBibleWords(bible, QStandardPaths::writableLocation(QStandardPaths::CacheLocation));
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
    return !m_hunspell || m_hunspell->spell(word.toStdString());
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
