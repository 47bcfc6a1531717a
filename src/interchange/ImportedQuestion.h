// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

enum class ImportStatus
{
    Ready,     // taken as it was
    Changed,   // taken, with each change listed in notes
    Duplicate, // already in the bank; not taken unless asked
    Refused,   // notes give the reason; line is empty
};

// The outcome of checking one ImportRow: the question line it becomes, or
// why it cannot.
struct ImportedQuestion
{
    QString place;
    ImportStatus status = ImportStatus::Refused;
    QByteArray line;   // an encoded question line, as the question file stores it
    QStringList notes; // the changes made, or the reasons for refusing
};
