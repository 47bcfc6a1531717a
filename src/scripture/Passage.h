// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QString>

// The verses a reference names, or why there are none.
struct Passage
{
    enum class Outcome
    {
        Found,
        NoModule,    // no Bible module is installed, or the chosen one is gone
        NotBiblical, // one of the two categories outside the Bible
        Unknown,     // the text is no reference, or names no book
        NoSuchVerse, // the book has no such chapter or verse
    };
    struct Verse
    {
        int number = 0;
        QString text;
    };

    Outcome outcome = Outcome::Unknown;
    QString title; // "Genesis 2:7", "Genesis 2:7-9", "Psalms 23"
    QList<Verse> verses;
    bool wholeChapter = false; // only a chapter was named
    // For anything but Found: one line saying why there is no text.
    QString message;
};
