// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileDropOpener.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <QWidget>

FileDropOpener::FileDropOpener(QWidget& window, std::function<void(const QString&)> open)
    : QObject(&window), m_window(window), m_open(std::move(open))
{
    window.setAcceptDrops(true);
    window.installEventFilter(this);
}

QString FileDropOpener::droppedFile(const QMimeData& data)
{
    if (!data.hasUrls())
        return {};
    for (const QUrl& url : data.urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            return QFileInfo(url.toLocalFile()).absoluteFilePath();
    }
    return {};
}

bool FileDropOpener::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (droppedFile(*drag->mimeData()).isEmpty())
            drag->ignore();
        else
            drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QString file = droppedFile(*drop->mimeData());
        if (file.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Opened once the drop is over: the open may ask questions, and the
        // source of the drag waits for its answer.
        QMetaObject::invokeMethod(
            this, [this, file] { m_open(file); }, Qt::QueuedConnection);
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
