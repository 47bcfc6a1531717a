// SPDX-License-Identifier: GPL-2.0-or-later
#include "EscapeAndHintFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

EscapeAndHintFilter::EscapeAndHintFilter(QWidget& window, const bool& hintsShown,
                                         std::function<void()> escape)
    : QObject(&window), m_window(window), m_hintsShown(hintsShown), m_escape(std::move(escape))
{
    qApp->installEventFilter(this);
}

EscapeAndHintFilter::~EscapeAndHintFilter()
{
    qApp->removeEventFilter(this);
}

bool EscapeAndHintFilter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        return !m_hintsShown;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() != Qt::Key_Escape || key->isAutoRepeat() || !widget ||
            widget->window() != &m_window || widget->property("handlesEscape").toBool())
            break;
        if (event->type() == QEvent::KeyPress) {
            m_escapePressed = true;
        } else if (m_escapePressed) {
            m_escapePressed = false;
            m_escape();
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
