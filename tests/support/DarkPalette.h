// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPalette>
#include <cmath>

// A dark palette as desktops set one for the Fusion style: light text on
// dark boxes and windows.
inline QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35);
    const QColor base(0x23, 0x23, 0x23);
    const QColor text(0xee, 0xee, 0xee);
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, window);
        dark.setColor(group, QPalette::WindowText, text);
        dark.setColor(group, QPalette::Base, base);
        dark.setColor(group, QPalette::AlternateBase, window);
        dark.setColor(group, QPalette::ToolTipBase, base);
        dark.setColor(group, QPalette::ToolTipText, text);
        dark.setColor(group, QPalette::PlaceholderText, QColor(0x9a, 0x9a, 0x9a));
        dark.setColor(group, QPalette::Text, text);
        dark.setColor(group, QPalette::Button, window);
        dark.setColor(group, QPalette::ButtonText, text);
        dark.setColor(group, QPalette::BrightText, Qt::red);
        dark.setColor(group, QPalette::Light, QColor(0x50, 0x50, 0x50));
        dark.setColor(group, QPalette::Midlight, QColor(0x45, 0x45, 0x45));
        dark.setColor(group, QPalette::Mid, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(group, QPalette::Dark, QColor(0x1a, 0x1a, 0x1a));
        dark.setColor(group, QPalette::Shadow, Qt::black);
        dark.setColor(group, QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
        dark.setColor(group, QPalette::Link, QColor(0x6a, 0xb0, 0xff));
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::Window, window);
    dark.setColor(QPalette::Disabled, QPalette::Base, window);
    dark.setColor(QPalette::Disabled, QPalette::Button, window);
    return dark;
}

// The contrast of two colours as the web's accessibility guidelines count
// it: 1 for equal colours, 21 for black on white.
inline double contrastRatio(const QColor& one, const QColor& other)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return a > b ? a / b : b / a;
}
