// SPDX-License-Identifier: GPL-2.0-or-later
#include "QvedError.h"

#include <QCoreApplication>

QvedError::QvedError(Kind kind, QString message)
    : m_kind(kind), m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

QvedError QvedError::conversion(const QString& text)
{
    return QvedError(
        Kind::Conversion,
        QCoreApplication::translate("QvedError", "'%1' is not a valid integer value").arg(text));
}

QvedError QvedError::cannotOpenFile(const QString& fileName, const QString& reason)
{
    if (reason.isEmpty())
        return QvedError(
            Kind::FileOpen,
            QCoreApplication::translate("QvedError", "Cannot open file %1").arg(fileName));
    return QvedError(
        Kind::FileOpen,
        QCoreApplication::translate("QvedError", "Cannot open file %1: %2.").arg(fileName, reason));
}

QvedError QvedError::listIndex(int index)
{
    return QvedError(
        Kind::ListIndex,
        QCoreApplication::translate("QvedError", "List index out of bounds (%1)").arg(index));
}
