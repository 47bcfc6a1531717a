// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "TestBuilder.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// The files of a built test, for the editor's dialog and the tool alike:
// for each version V, NAME-V.qus (the game's question lines), NAME-V-test.pdf
// and NAME-V-key.pdf, each written safely.
class TestFiles
{
public:
    // The file names of every version, in writing order.
    static QStringList names(const QString& name, int versions);
    // The paths among them that already exist in the folder.
    static QStringList existing(const QString& folder, const QString& name, int versions);
    // Why the files may not be written: one of them is the question file
    // (questionFile "-" is standard input) under any name or link, which
    // replacing would lose. Empty when none is, or questionFile is empty.
    static QString questionFileAmong(const QString& folder, const QString& name, int versions,
                                     const QString& questionFile);

    // Writes every version's files, replacing any there; the paths written
    // go to written. Every page of a test names its version ("NAME-V",
    // "Version V"), and every page of a key also the seed it was built
    // with. The PDFs carry created as their date, so the same choices give
    // the same bytes. Answers an empty text, or the message for the user.
    static QString write(const std::vector<TestBuilder::Version>& versions, const QString& folder,
                         const QString& name, quint32 seed, const QDateTime& created,
                         QStringList& written);
};
