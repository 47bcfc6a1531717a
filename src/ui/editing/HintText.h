// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QAction;
class QWidget;

// A hint is "short|long": the short part is the bubble, the long part goes
// to the status bar. Without "|" the whole text serves as both; an empty
// short part shows no bubble.
namespace HintText {
QString shortPart(const QString& hint);
QString longPart(const QString& hint);
void apply(QAction* action, const QString& hint);
void apply(QWidget* widget, const QString& hint);
} // namespace HintText
