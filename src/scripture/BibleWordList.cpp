// SPDX-License-Identifier: GPL-2.0-or-later
#include "BibleWordList.h"

#include "BibleLookup.h"
#include "Crc32.h"
#include "PrivateFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>

namespace {

const QByteArray Magic = "qved3-bible-words";

QByteArray field(const QString& text)
{
    // Module names and versions are single words, but a blank must not
    // break the heading.
    return QUrl::toPercentEncoding(text);
}

// Letters with inner apostrophes, as the checker splits its texts.
const QRegularExpression& wordPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\p{L}+(?:['’]\p{L}+)*)"));
    return pattern;
}

} // namespace

QString BibleWordList::fileName(const QString& module)
{
    return QStringLiteral("bible-words-%1.txt").arg(module);
}

QStringList BibleWordList::installedFolders()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {program, program + QStringLiteral("/" QVED_DATA_FROM_BIN)};
}

QByteArray BibleWordList::encode(const QStringList& words, const QString& module,
                                 const QString& version)
{
    const QByteArray body = words.isEmpty() ? QByteArray() : (words.join(u'\n') + u'\n').toUtf8();
    QByteArray heading =
        Magic + ' ' + QByteArray::number(FormatVersion) + " module=" + field(module) +
        " version=" + field(version) + " words=" + QByteArray::number(words.size()) +
        " bytes=" + QByteArray::number(body.size()) +
        " crc32=" + QByteArray::number(Crc32(body), 16).rightJustified(8, '0') + '\n';
    return heading + body;
}

BibleWordList::State BibleWordList::read(const QString& path, const QString& module,
                                         const QString& version, QStringList& words)
{
    words.clear();
    const QFileInfo info(path);
    if (!info.exists())
        return State::Missing;
    if (!info.isFile())
        return State::Damaged;
    if (info.size() > MostBytes)
        return State::TooLarge;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return State::Missing;
    const QByteArray content = file.read(MostBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return State::Damaged;
    if (content.size() > MostBytes)
        return State::TooLarge;

    const qsizetype end = content.indexOf('\n');
    if (end < 0)
        return State::Damaged;
    const QList<QByteArray> parts = content.first(end).split(' ');
    if (parts.size() != 7 || parts[0] != Magic)
        return State::Damaged;
    auto value = [&parts](int index, const QByteArray& key) -> std::optional<QByteArray> {
        if (!parts[index].startsWith(key + '='))
            return std::nullopt;
        return parts[index].mid(key.size() + 1);
    };
    bool formatOk = false;
    const int format = parts[1].toInt(&formatOk);
    const auto moduleField = value(2, "module");
    const auto versionField = value(3, "version");
    const auto countField = value(4, "words");
    const auto bytesField = value(5, "bytes");
    const auto crcField = value(6, "crc32");
    if (!formatOk || !moduleField || !versionField || !countField || !bytesField || !crcField)
        return State::Damaged;
    if (format != FormatVersion || *moduleField != field(module) || *versionField != field(version))
        return State::Outdated;

    bool countOk = false;
    bool bytesOk = false;
    bool crcOk = false;
    const qint64 count = countField->toLongLong(&countOk);
    const qint64 bytes = bytesField->toLongLong(&bytesOk);
    const quint32 crc = crcField->toUInt(&crcOk, 16);
    const QByteArrayView body = QByteArrayView(content).sliced(end + 1);
    if (!countOk || !bytesOk || !crcOk || count > MostWords || bytes != body.size() ||
        crc != Crc32(body) || body.count('\n') != count)
        return State::Damaged;
    words = QString::fromUtf8(body).split(u'\n', Qt::SkipEmptyParts);
    if (words.size() != count) {
        words.clear();
        return State::Damaged;
    }
    return State::Valid;
}

QStringList BibleWordList::collect(const BibleLookup& bible, const std::atomic<bool>* stop)
{
    QSet<QString> found;
    const bool whole = bible.forEachVerse(
        [&found](const QString& verse) {
            for (auto it = wordPattern().globalMatch(verse); it.hasNext();)
                found.insert(it.next().captured());
        },
        stop);
    if (!whole)
        return {};
    QStringList words(found.begin(), found.end());
    words.sort();
    return words;
}

WriteResult BibleWordList::write(const QString& folder, const BibleLookup& bible,
                                 const QStringList& words)
{
    return PrivateFile::write(folder + u'/' + fileName(bible.moduleName()),
                              encode(words, bible.moduleName(), bible.moduleVersion()));
}

QStringList BibleWordList::load(const BibleLookup& bible, const QStringList& folders,
                                const std::atomic<bool>* stop)
{
    if (!bible.available() || folders.isEmpty())
        return {};
    const QString module = bible.moduleName();
    const QString version = bible.moduleVersion();
    QStringList words;
    for (const QString& folder : folders) {
        if (read(folder + u'/' + fileName(module), module, version, words) == State::Valid)
            return words;
    }
    words = collect(bible, stop);
    // A list past the bound would be refused when read: it is used for this
    // run only.
    if (!words.isEmpty() && words.size() <= MostWords)
        write(folders.last(), bible, words);
    return words;
}
