// SPDX-License-Identifier: GPL-2.0-or-later
#include "PaletteColours.h"

#include <QPalette>

bool PaletteColours::isDark(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < palette.color(QPalette::Text).lightness();
}

QColor PaletteColours::alert(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0x80, 0x80) : QColor(0xb0, 0x00, 0x00);
}

QColor PaletteColours::mark(const QPalette& palette)
{
    return isDark(palette) ? QColor(0x80, 0x66, 0x00) : QColor(0xff, 0xe6, 0x80);
}

QColor PaletteColours::spelling(const QPalette& palette)
{
    return isDark(palette) ? QColor(0xff, 0x6b, 0x6b) : QColor(Qt::red);
}

QColor PaletteColours::quiet(const QPalette& palette)
{
    return palette.color(QPalette::PlaceholderText);
}
