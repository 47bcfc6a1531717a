// SPDX-License-Identifier: GPL-2.0-or-later
#include "SafeFileWriter.h"

#include "IoErrorText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

int platformSync(int fileDescriptor)
{
#ifdef Q_OS_WIN
    return _commit(fileDescriptor);
#elif defined(Q_OS_DARWIN)
    return fsync(fileDescriptor);
#else
    return fdatasync(fileDescriptor);
#endif
}

SafeFileWriter::SyncFunction g_sync = &platformSync;

} // namespace

WriteResult WriteResult::failure(int error, bool opening, const QString& before,
                                 const QString& after)
{
    WriteResult result;
    result.ok = false;
    result.code = IoErrorCodeFromErrno(error, opening);
    result.platformText = before + qt_error_string(error) + after;
    return result;
}

QString WriteResult::message() const
{
    return QCoreApplication::translate("SafeFileWriter", "File Error!\r\n%1\r\n%2")
        .arg(platformText, IOErrorText(code));
}

SafeFileWriter::SafeFileWriter(const QString& path) : m_file(path) {}

SafeFileWriter::~SafeFileWriter()
{
    if (m_file.isOpen())
        m_file.cancelWriting();
}

int SafeFileWriter::syncToDisk(int fileDescriptor)
{
    return g_sync(fileDescriptor);
}

void SafeFileWriter::setSyncForTesting(SyncFunction sync)
{
    g_sync = sync ? sync : &platformSync;
}

bool SafeFileWriter::fail(int error, bool opening, const QString& before, const QString& after)
{
    if (m_result.ok)
        m_result = WriteResult::failure(error, opening, before, after);
    if (m_file.isOpen())
        m_file.cancelWriting();
    return false;
}

bool SafeFileWriter::open()
{
    const QFileInfo target(m_file.fileName());
    if (target.exists() && !target.isFile()) {
        fail(EACCES, true);
        m_result.platformText =
            QCoreApplication::translate("SafeFileWriter", "%1 is not a regular file.")
                .arg(QDir::toNativeSeparators(target.absoluteFilePath()));
        return false;
    }
    errno = 0;
    if (m_file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return true;
    const int error = errno;
    // The temporary file lives beside the target: a folder that refuses
    // new files stops the save even when the file itself is writable.
    const QFileInfo folder(target.absolutePath());
    if (folder.isDir() && (!folder.isWritable() || error == EROFS)) {
        fail(
            error ? error : EACCES, true,
            QCoreApplication::translate("SafeFileWriter", "Cannot create a file in the folder %1: ")
                .arg(QDir::toNativeSeparators(folder.absoluteFilePath())),
            QStringLiteral("."));
        m_result.folderRefused = true;
        return false;
    }
    fail(error ? error : EACCES, true);
    if (!error)
        m_result.platformText = m_file.errorString();
    return false;
}

bool SafeFileWriter::setPermissions(QFileDevice::Permissions permissions)
{
    if (!m_result.ok || !m_file.isOpen())
        return false;
    errno = 0;
    if (m_file.setPermissions(permissions))
        return true;
    return fail(errno ? errno : EPERM, false);
}

bool SafeFileWriter::write(QByteArrayView bytes)
{
    if (!m_result.ok || !m_file.isOpen())
        return false;
    errno = 0;
    if (m_file.write(bytes.data(), bytes.size()) == bytes.size())
        return true;
    return fail(errno ? errno : EIO, false);
}

bool SafeFileWriter::commit()
{
    if (!m_result.ok || !m_file.isOpen())
        return false;
    errno = 0;
    if (!m_file.flush())
        return fail(errno ? errno : EIO, false);
    errno = 0;
    if (g_sync(int(m_file.handle())) != 0)
        return fail(errno ? errno : EIO, false);
    errno = 0;
    if (!m_file.commit()) {
        const int error = errno ? errno : EIO;
        m_result = WriteResult::failure(error, false);
        m_result.platformText = m_file.errorString();
        return false;
    }
    return true;
}

WriteResult SafeFileWriter::writeFile(const QString& path, QByteArrayView content)
{
    SafeFileWriter writer(path);
    if (writer.open() && writer.write(content))
        writer.commit();
    return writer.result();
}
