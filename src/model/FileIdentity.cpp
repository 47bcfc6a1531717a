// SPDX-License-Identifier: GPL-2.0-or-later
#include "FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifdef Q_OS_WIN
namespace {

std::optional<BY_HANDLE_FILE_INFORMATION> informationOf(HANDLE handle)
{
    BY_HANDLE_FILE_INFORMATION information;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &information))
        return std::nullopt;
    return information;
}

} // namespace
#endif

std::optional<FileIdentity> FileIdentity::of(const QString& path)
{
#ifdef Q_OS_WIN
    // No access asked for: only the file's numbers are read.
    const HANDLE handle =
        CreateFileW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(path).utf16()), 0,
                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const auto information = informationOf(handle);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    if (!information)
        return std::nullopt;
    return FileIdentity(information->dwVolumeSerialNumber,
                        (quint64(information->nFileIndexHigh) << 32) | information->nFileIndexLow);
#else
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity(quint64(status.st_dev), quint64(status.st_ino));
#endif
}

std::optional<FileIdentity> FileIdentity::ofStandardInput()
{
#ifdef Q_OS_WIN
    const auto information = informationOf(GetStdHandle(STD_INPUT_HANDLE));
    if (!information)
        return std::nullopt;
    return FileIdentity(information->dwVolumeSerialNumber,
                        (quint64(information->nFileIndexHigh) << 32) | information->nFileIndexLow);
#else
    struct stat status;
    if (::fstat(STDIN_FILENO, &status) != 0)
        return std::nullopt;
    return FileIdentity(quint64(status.st_dev), quint64(status.st_ino));
#endif
}

bool FileIdentity::same(const QString& input, const QString& output)
{
    const bool standardInput = input == u"-";
    if (!standardInput) {
        const QString canonical = QFileInfo(input).canonicalFilePath();
        if (!canonical.isEmpty() && canonical == QFileInfo(output).canonicalFilePath())
            return true;
    }
    const auto outputFile = of(output);
    if (!outputFile)
        return false;
    return (standardInput ? ofStandardInput() : of(input)) == outputFile;
}
