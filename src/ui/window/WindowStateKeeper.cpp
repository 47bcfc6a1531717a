// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowStateKeeper.h"

#include "EditorSettings.h"

#include <QEvent>
#include <QMainWindow>
#include <QSettings>
#include <QSplitter>

namespace {

const QString GeometryKey = QStringLiteral("Window/Geometry");
const QString SplitterKey = QStringLiteral("Window/Splitter");

} // namespace

WindowStateKeeper::WindowStateKeeper(QMainWindow& window, QSplitter& splitter)
    : QObject(&window), m_window(window), m_splitter(splitter)
{
    restore();
    window.installEventFilter(this);
}

void WindowStateKeeper::restore()
{
    const QSettings settings(EditorSettings::Organization, EditorSettings::Application);
    // A value that does not restore leaves the window as built.
    m_window.restoreGeometry(settings.value(GeometryKey).toByteArray());
    m_splitter.restoreState(settings.value(SplitterKey).toByteArray());
}

void WindowStateKeeper::store() const
{
    QSettings settings(EditorSettings::Organization, EditorSettings::Application);
    settings.setValue(GeometryKey, m_window.saveGeometry());
    settings.setValue(SplitterKey, m_splitter.saveState());
    settings.sync();
}

bool WindowStateKeeper::eventFilter(QObject* watched, QEvent* event)
{
    // Stored at every try to close: a close the author takes back leaves
    // the window as it is, and it is stored again at the next.
    if (watched == &m_window && event->type() == QEvent::Close)
        store();
    return QObject::eventFilter(watched, event);
}
