// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <exception>

// An error that ends a command and carries the text the user is shown.
// The libraries only throw it; the window decides how to show it.
class QvedError : public std::exception
{
public:
    enum class Kind
    {
        Conversion,
        FileOpen,
        ListIndex,
        Other
    };

    QvedError(Kind kind, QString message);

    static QvedError conversion(const QString& text);
    // "Cannot open file <path>: <reason>.", or without the reason when none is given.
    static QvedError cannotOpenFile(const QString& fileName, const QString& reason = {});
    static QvedError listIndex(int index);

    Kind kind() const { return m_kind; }
    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    Kind m_kind;
    QString m_message;
    QByteArray m_utf8;
};
