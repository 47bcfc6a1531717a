// SPDX-License-Identifier: GPL-2.0-or-later
// Writes the word list of the installed Bible module into a folder, for the
// build tree and the install step: an installed editor then never reads the
// whole module through at its first start. A valid list already there is
// left alone.
#include "BibleLookup.h"
#include "BibleWordList.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char** argv)
{
    const QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool required = arguments.removeAll(QStringLiteral("--required")) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: qved_bible_words [--required] FOLDER\n");
        return 2;
    }
    const QString folder = arguments.first();
    const BibleLookup bible;
    if (!bible.available()) {
        std::fprintf(stderr, "qved_bible_words: %s\n", qPrintable(BibleLookup::noModuleMessage()));
        return required ? 1 : 0;
    }
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
