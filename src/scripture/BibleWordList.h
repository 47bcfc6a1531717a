// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "WriteResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

class BibleLookup;

// The words of a Bible module, kept in a file so that the module is read
// through once: prebuilt in the program's data folder, or made in the
// user's cache folder. The file's first line names its format, the module
// and its version, the number of words, the size and the CRC-32 of the rest;
// a file that does not match is not used, and is made again.
class BibleWordList
{
public:
    static constexpr int FormatVersion = 1;
    // The King James text has about 13,000 words (some 100 KB): a list far
    // larger is no word list of a Bible, and is never read whole.
    static constexpr qint64 MostBytes = 2 * 1024 * 1024;
    static constexpr qsizetype MostWords = 200'000;

    enum class State
    {
        Valid,
        Missing,
        Damaged,  // unreadable heading, wrong size, count or checksum
        Outdated, // another format, module or module version
        TooLarge
    };

    // "bible-words-<module>.txt"
    static QString fileName(const QString& module);
    // The prebuilt lists' folders: beside the program, then the installed
    // data folder.
    static QStringList installedFolders();

    static QByteArray encode(const QStringList& words, const QString& module,
                             const QString& version);
    // The words of the file when it is Valid for that module and version.
    static State read(const QString& path, const QString& module, const QString& version,
                      QStringList& words);

    // Every word of the module's verses, sorted; empty when stopped.
    static QStringList collect(const BibleLookup& bible, const std::atomic<bool>* stop = nullptr);
    // The list written into folder as a private file.
    static WriteResult write(const QString& folder, const BibleLookup& bible,
                             const QStringList& words);

    // The first valid list of folders, in order; when none is, the list made
    // from the module and written into the last folder (a list that cannot
    // be written is made again next time). Empty when stopped.
    static QStringList load(const BibleLookup& bible, const QStringList& folders,
                            const std::atomic<bool>* stop = nullptr);
};
