// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the word lists of installed Bible modules into a folder, for the
// build tree and the install step: an installed editor then never reads a
// whole module through at its first start. A valid list already there is
// left alone.
#include "BibleLookup.h"
#include "BibleWordList.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// 0 when written or already there, 1 when it cannot be.
int writeList(const BibleLookup& bible, const QString& folder)
{
    const QString path = folder + u'/' + BibleWordList::fileName(bible.moduleName());
    QStringList words;
    if (BibleWordList::read(path, bible.moduleName(), bible.moduleVersion(), words) ==
        BibleWordList::State::Valid)
        return 0;
    words = BibleWordList::collect(bible);
    if (words.isEmpty() || words.size() > BibleWordList::MostWords) {
        std::fprintf(stderr, "qved_bible_words: the module %s gave %lld words\n",
                     qPrintable(bible.moduleName()), (long long)words.size());
        return 1;
    }
    // Read by every user of the machine: not one of the author's own files.
    QDir().mkpath(folder);
    const WriteResult written = SafeFileWriter::writeFile(
        path, BibleWordList::encode(words, bible.moduleName(), bible.moduleVersion()));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
    if (!written.ok) {
        std::fprintf(stderr, "qved_bible_words: %s: %s\n",
                     qPrintable(QDir::toNativeSeparators(path)), qPrintable(written.platformText));
        return 1;
    }
    std::printf("qved_bible_words: %s, %lld words\n", qPrintable(QDir::toNativeSeparators(path)),
                (long long)words.size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool required = arguments.removeAll(QStringLiteral("--required")) > 0;
    QStringList modules;
    for (qsizetype at = arguments.indexOf(QStringLiteral("--module")); at >= 0;
         at = arguments.indexOf(QStringLiteral("--module"))) {
        if (at + 1 >= arguments.size())
            break;
        modules += arguments.takeAt(at + 1);
        arguments.removeAt(at);
    }
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: qved_bible_words [--required] FOLDER [--module NAME]...\n");
        return 2;
    }
    const QString folder = arguments.first();
    BibleLookup bible;
    if (!bible.available()) {
        std::fprintf(stderr, "qved_bible_words: %s\n", qPrintable(BibleLookup::noModuleMessage()));
        return required ? 1 : 0;
    }
    // Without a module named, the one the editor reads by default.
    if (modules.isEmpty())
        return writeList(bible, folder);
    int status = 0;
    for (const QString& module : std::as_const(modules)) {
        if (!bible.setModule(module)) {
            std::fprintf(stderr, "qved_bible_words: no Bible module '%s' is installed\n",
                         qPrintable(module));
            if (required)
                status = 1;
            continue;
        }
        status = std::max(status, writeList(bible, folder));
    }
    return status;
}
