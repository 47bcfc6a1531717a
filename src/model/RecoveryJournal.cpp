// SPDX-License-Identifier: GPL-2.0-or-later
#include "RecoveryJournal.h"

#include "Crc32.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "SafeFileWriter.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

namespace {

const QByteArray Magic = QByteArrayLiteral("QVED3 RECOVERY 2\n");
constexpr QFileDevice::Permissions OwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QString canonical(const QString& filePath)
{
    const QFileInfo info(filePath);
    const QString path = info.canonicalFilePath();
    return path.isEmpty() ? info.absoluteFilePath() : path;
}

// The journals tell what an author is writing: no other user may read them.
void makeFolder()
{
    const QString path = RecoveryJournal::folder();
    QDir().mkpath(path);
    QFile::setPermissions(path, OwnerOnly | QFileDevice::ExeOwner);
}

QByteArray hex(quint32 value)
{
    return QByteArray::number(value, 16).rightJustified(8, '0');
}

// The value of the heading line "name value" at the start of text, or empty.
QByteArray headingValue(QByteArrayView text, QByteArrayView name, qsizetype& at)
{
    const qsizetype end = text.indexOf('\n', at);
    if (end < 0)
        return {};
    const QByteArrayView line = text.sliced(at, end - at);
    if (!line.startsWith(name) || line.size() <= name.size() || line[name.size()] != ' ')
        return {};
    at = end + 1;
    return line.sliced(name.size() + 1).toByteArray();
}

} // namespace

QString RecoveryJournal::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString RecoveryJournal::journalPathOf(const QString& filePath)
{
    const QByteArray hash =
        QCryptographicHash::hash(canonical(filePath).toUtf8(), QCryptographicHash::Sha256);
    return folder() + u'/' + QString::fromLatin1(hash.toHex().left(32)) +
           QStringLiteral(".journal");
}

QByteArray RecoveryJournal::contentHash(QByteArrayView content)
{
    return QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex();
}

QByteArray RecoveryJournal::heading(const QString& filePath, const FileStamp& stamp,
                                    const QByteArray& contentHash, const QByteArray& content)
{
    QByteArray bytes =
        Magic + "size " + QByteArray::number(std::max<qint64>(stamp.size, 0)) + "\nmodified " +
        QByteArray::number(stamp.modified.isValid() ? stamp.modified.toMSecsSinceEpoch() : 0) +
        "\nsha256 " + contentHash + "\nfile " + filePath.toUtf8().toPercentEncoding("/\\: ") +
        "\ncontent " + QByteArray::number(content.size()) + '\n';
    // The checksum covers the heading's lines; the content has its hash.
    bytes += "check " + hex(Crc32(bytes)) + '\n';
    bytes += content;
    bytes += '\n';
    return bytes;
}

QByteArray RecoveryJournal::frame(const QDateTime& time, QByteArrayView records)
{
    const QByteArray start = "C " + QByteArray::number(time.toMSecsSinceEpoch()) + ' ' +
                             QByteArray::number(records.size());
    const quint32 crc = Crc32(start + '\n' + records.toByteArray());
    return start + ' ' + hex(crc) + '\n' + records.toByteArray() + '\n';
}

QByteArray RecoveryJournal::rowRecord(int index, const QuestionList::SavedRow& row)
{
    return "R " + QByteArray::number(index) + ' ' + QByteArray::number(row.marks) + ' ' +
           QByteArray::number(row.line.size()) + ' ' + QByteArray::number(row.question.size()) +
           '\n' + row.line + row.question + '\n';
}

QByteArray RecoveryJournal::marksRecord(int index, quint8 marks)
{
    return "M " + QByteArray::number(index) + ' ' + QByteArray::number(marks) + '\n';
}

void RecoveryJournal::attach(const QString& filePath, const QByteArray& content,
                             const FileStamp& stamp)
{
    m_filePath = filePath;
    m_journalPath = journalPathOf(filePath);
    m_content = content;
    m_stamp = stamp;
    m_hash.clear();
    m_heading.clear();
    m_changes.clear();
    m_onDisk = -1;
    m_keeping = true;
}

QString RecoveryJournal::resume(const QString& filePath, const JournalReplay& replayed)
{
    attach(filePath, replayed.content, replayed.stamp);
    m_hash = replayed.contentHash;
    m_heading = heading(m_filePath, m_stamp, m_hash, m_content);
    m_changes = replayed.changeBytes;
    return write();
}

void RecoveryJournal::detach()
{
    m_filePath.clear();
    m_journalPath.clear();
    m_content.clear();
    m_changes.clear();
    m_onDisk = -1;
    m_keeping = true;
}

void RecoveryJournal::discard()
{
    if (m_onDisk >= 0)
        QFile::remove(m_journalPath);
    m_onDisk = -1;
    m_changes.clear();
    m_keeping = true;
}

QString RecoveryJournal::append(QByteArrayView records)
{
    if (!isActive())
        return {};
    m_changes += frame(QDateTime::currentDateTimeUtc(), records);
    return write();
}

QString RecoveryJournal::write()
{
    if (m_heading.isEmpty()) {
        // Hashed once, at the first change: opening a file costs nothing more.
        m_hash = contentHash(m_content);
        m_heading = heading(m_filePath, m_stamp, m_hash, m_content);
    }
    WriteResult result;
    if (m_onDisk >= 0) {
        // The journal exists: the changes not yet on disk go after its last
        // complete one. It is never created here, so it never lacks its
        // heading.
        QFile file(m_journalPath);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered |
                       QIODevice::ExistingOnly)) {
            if (QFileInfo::exists(m_journalPath))
                result = WriteResult::failure(errno ? errno : EACCES, true);
            else
                m_onDisk = -1; // removed behind the editor's back: written again whole
        } else if (file.size() < m_onDisk) {
            m_onDisk = -1; // cut behind the editor's back: written again whole
        } else if (file.size() > m_onDisk && !file.resize(m_onDisk)) {
            result = WriteResult::failure(errno ? errno : EIO, false);
        } else {
            const QByteArray unwritten = m_changes.sliced(m_onDisk - m_heading.size());
            errno = 0;
            if (file.write(unwritten) != unwritten.size() || !file.flush() ||
                SafeFileWriter::syncToDisk(int(file.handle())) != 0) {
                result = WriteResult::failure(errno ? errno : EIO, false);
                // Back to the last complete change; should this fail too,
                // the next write cuts it first.
                if (file.resize(m_onDisk))
                    SafeFileWriter::syncToDisk(int(file.handle()));
            } else {
                m_onDisk += unwritten.size();
            }
        }
    }
    if (m_onDisk < 0 && result.ok) {
        // A new journal is created whole, heading first, through the safe
        // writer: temporary file, sync, rename.
        makeFolder();
        result = SafeFileWriter::writeFile(m_journalPath, m_heading + m_changes);
        if (result.ok) {
            QFile::setPermissions(m_journalPath, OwnerOnly);
            m_onDisk = m_heading.size() + m_changes.size();
        }
    }
    const bool wasKeeping = std::exchange(m_keeping, result.ok);
    if (result.ok || !wasKeeping)
        return {};
    return QCoreApplication::translate(
               "RecoveryJournal",
               "Your changes to %1 are not being kept for recovery after a crash: %2 "
               "(%3). Editing goes on, and each change tries again; save often.")
        .arg(QDir::toNativeSeparators(m_filePath), result.platformText,
             QDir::toNativeSeparators(m_journalPath));
}

RecoveryJournal::Found RecoveryJournal::find(const QString& filePath)
{
    Found found;
    const QFileInfo journal(journalPathOf(filePath));
    if (!journal.isFile())
        return found;
    found.exists = true;
    found.lastChange = journal.lastModified();
    QFile file(journal.filePath());
    if (!file.open(QIODevice::ReadOnly))
        return found;
    const QByteArray start = file.read(64 * 1024);
    if (!start.startsWith(Magic))
        return found; // said when the journal is replayed
    qsizetype at = Magic.size();
    headingValue(start, "size", at);
    headingValue(start, "modified", at);
    const QByteArray hash = headingValue(start, "sha256", at);
    if (hash.isEmpty())
        return found;
    try {
        found.fileChanged = contentHash(ReadWholeFile(filePath)) != hash;
    } catch (const QvedError&) {
        found.fileChanged = true;
    }
    return found;
}

JournalReplay RecoveryJournal::replay(const QString& filePath, QuestionRecord& record)
{
    return JournalReplay::read(journalPathOf(filePath), filePath, record);
}

QString RecoveryJournal::setAside(const QString& filePath, QString* keptAs)
{
    const QString journal = journalPathOf(filePath);
    QString aside = journal;
    aside.replace(QStringLiteral(".journal"),
                  QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-hhmmsszzz")) +
                      QStringLiteral(".old"));
    QFile file(journal);
    if (!file.rename(aside))
        return file.errorString();
    if (keptAs)
        *keptAs = aside;
    return {};
}
