// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QuestionFormat;

// Every format the editor and the tool read and write, and the one way both
// find a source's format and read a source within bounds.
class InterchangeFormats
{
public:
    static const QList<const QuestionFormat*>& all();
    // The format --format names ("csv", "gift", ...), or nullptr.
    static const QuestionFormat* byName(const QString& name);
    // From the content first, then the file name's suffix; nullptr when neither tells.
    static const QuestionFormat* detect(const QString& fileName, const QByteArray& head);

    // The largest source read; a larger one is refused before it is read.
    static constexpr qint64 MaxSourceBytes = qint64(512) << 20;
    // The source's bytes, or empty with the reason (the platform's, or that
    // it is too large) in error.
    static QByteArray readSource(const QString& fileName, QString* error);
};
