#include "QvedError.h"

QvedError::QvedError(Kind kind, QString message)
    : m_kind(kind), m_message(std::move(message)), m_utf8(m_message.toUtf8())
{
}

QvedError QvedError::conversion(const QString& text)
{
    return QvedError(Kind::Conversion, QStringLiteral("'%1' is not a valid integer value").arg(text));
}

QvedError QvedError::cannotOpenFile(const QString& fileName)
{
    return QvedError(Kind::FileOpen, QStringLiteral("Cannot open file %1").arg(fileName));
}

QvedError QvedError::listIndex(int index)
{
    return QvedError(Kind::ListIndex, QStringLiteral("List index out of bounds (%1)").arg(index));
}
