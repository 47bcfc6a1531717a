// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>

class QPalette;

// The editor's own colours, taken from the palette they are shown in: the
// colours of a light palette are those the editor always had, and a dark
// palette gets lighter ones that stay readable on its dark background.
class PaletteColours
{
public:
    // The boxes are darker than their text.
    static bool isDark(const QPalette& palette);
    // Text that warns, on the window's background.
    static QColor alert(const QPalette& palette);
    // The background of words marked in a text, under the palette's text colour.
    static QColor mark(const QPalette& palette);
    // The wavy line under a misspelt word, on a box's background.
    static QColor spelling(const QPalette& palette);
    // A line that says why there is nothing to show.
    static QColor quiet(const QPalette& palette);
};
