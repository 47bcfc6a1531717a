// SPDX-License-Identifier: GPL-2.0-or-later
#include "HintText.h"

#include <QAction>
#include <QWidget>

namespace HintText {

QString shortPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

QString longPart(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.mid(bar + 1);
}

void apply(QAction* action, const QString& hint)
{
    action->setToolTip(shortPart(hint));
    action->setStatusTip(longPart(hint));
}

void apply(QWidget* widget, const QString& hint)
{
    widget->setToolTip(shortPart(hint));
    widget->setStatusTip(longPart(hint));
}

} // namespace HintText
