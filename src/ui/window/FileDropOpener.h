// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMimeData;
class QWidget;

// A file dropped on the window is opened, as if chosen in File > Open.
class FileDropOpener : public QObject
{
    Q_OBJECT

public:
    FileDropOpener(QWidget& window, std::function<void(const QString&)> open);

    // The first local file the data names, or an empty text.
    static QString droppedFile(const QMimeData& data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_window;
    std::function<void(const QString&)> m_open;
};
