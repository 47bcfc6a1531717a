// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

// Which file a path or standard input reaches: the device (volume) and the
// file's number on it, so two names for one file (a hard link, a symbolic
// link, "./quiz.qus" and "quiz.qus") are known as one.
class FileIdentity
{
public:
    // Nothing when the path reaches no file that can be looked at.
    static std::optional<FileIdentity> of(const QString& path);
    // Nothing when standard input is closed.
    static std::optional<FileIdentity> ofStandardInput();

    // Whether writing to output would write over input: the same canonical
    // path or the same file. input "-" is standard input.
    static bool same(const QString& input, const QString& output);

    bool operator==(const FileIdentity&) const = default;

private:
    FileIdentity(quint64 device, quint64 file) : m_device(device), m_file(file) {}

    quint64 m_device = 0;
    quint64 m_file = 0;
};
