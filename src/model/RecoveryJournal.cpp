#include "RecoveryJournal.h"

#include "QvedError.h"
#include "ReadWholeFile.h"
#include "SafeFileWriter.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

namespace {

const QByteArray Magic = QByteArrayLiteral("QVED3 RECOVERY 1\n");

QString canonical(const QString& filePath)
{
    const QFileInfo info(filePath);
    const QString path = info.canonicalFilePath();
    return path.isEmpty() ? info.absoluteFilePath() : path;
}

// Reads the journal's records one at a time; every fault names where it is.
class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_at >= m_bytes.size(); }
    qsizetype at() const { return m_at; }

    QByteArray line()
    {
        const qsizetype end = m_bytes.indexOf('\n', m_at);
        if (end < 0)
            fail(QStringLiteral("a record is cut short"));
        QByteArray result = m_bytes.mid(m_at, end - m_at);
        m_at = end + 1;
        return result;
    }
    QByteArray bytes(qsizetype length)
    {
        if (length < 0 || length > m_bytes.size() - m_at)
            fail(QStringLiteral("a record is cut short"));
        QByteArray result = m_bytes.mid(m_at, length);
        m_at += length;
        return result;
    }
    qint64 number(const QByteArray& text, qint64 limit)
    {
        bool ok = false;
        const qint64 value = text.toLongLong(&ok);
        if (!ok || value < 0 || value > limit)
            fail(QStringLiteral("a record holds the number \"%1\"").arg(QString::fromLatin1(text)));
        return value;
    }
    [[noreturn]] void fail(const QString& why) const
    {
        throw QvedError(QvedError::Kind::Other,
                        QStringLiteral("at byte %1, %2").arg(m_at).arg(why));
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

struct Header
{
    qint64 size = -1;
    qint64 modified = 0;
};

Header readHeader(Reader& reader)
{
    if (reader.line() + '\n' != Magic)
        reader.fail(QStringLiteral("it does not begin as a recovery journal"));
    Header header;
    const QList<QByteArray> size = reader.line().split(' ');
    const QList<QByteArray> modified = reader.line().split(' ');
    if (size.size() != 2 || size[0] != "size" || modified.size() != 2 || modified[0] != "modified")
        reader.fail(QStringLiteral("its heading is not complete"));
    header.size = reader.number(size[1], std::numeric_limits<qint64>::max());
    header.modified = reader.number(modified[1], std::numeric_limits<qint64>::max());
    reader.line(); // the file's path, for whoever reads the journal by hand
    return header;
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

void RecoveryJournal::attach(const QString& filePath, const FileStamp& stamp, bool continuing)
{
    m_filePath = filePath;
    m_stamp = stamp;
    m_journalPath = journalPathOf(filePath);
    m_begun = continuing && QFileInfo::exists(m_journalPath);
}

void RecoveryJournal::detach()
{
    m_journalPath.clear();
    m_begun = false;
}

void RecoveryJournal::discard()
{
    if (m_begun)
        QFile::remove(m_journalPath);
    m_begun = false;
}

QString RecoveryJournal::append(QByteArrayView records)
{
    if (!isActive())
        return {};
    WriteResult result;
    if (!m_begun) {
        // A new journal is created whole, through the safe writer.
        QDir().mkpath(folder());
        const QByteArray header =
            Magic + "size " + QByteArray::number(m_stamp.size) + "\nmodified " +
            QByteArray::number(m_stamp.modified.isValid() ? m_stamp.modified.toMSecsSinceEpoch()
                                                          : 0) +
            "\nfile " + m_filePath.toUtf8() + '\n';
        result = SafeFileWriter::writeFile(m_journalPath, header + records.toByteArray());
        m_begun = result.ok;
    } else {
        QFile file(m_journalPath);
        errno = 0;
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
            result = WriteResult::failure(errno ? errno : EACCES, true);
        } else if (errno = 0; file.write(records.data(), records.size()) != records.size() ||
                              !file.flush() ||
                              SafeFileWriter::syncToDisk(int(file.handle())) != 0) {
            result = WriteResult::failure(errno ? errno : EIO, false);
        } else {
            file.close();
            if (file.error() != QFileDevice::NoError)
                result = WriteResult::failure(errno ? errno : EIO, false);
        }
    }
    if (result.ok)
        return {};
    // A journal with a change missing would replay wrong: it goes.
    discard();
    detach();
    return QStringLiteral("Your changes to %1 cannot be kept for recovery after a crash: %2 (%3). "
                          "Editing goes on; save often.")
        .arg(QDir::toNativeSeparators(m_filePath), result.platformText,
             QDir::toNativeSeparators(journalPathOf(m_filePath)));
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
    try {
        Reader reader(start);
        const Header header = readHeader(reader);
        const FileStamp now = FileStamp::of(filePath);
        found.fileChanged = now.size != header.size || !now.modified.isValid() ||
                            now.modified.toMSecsSinceEpoch() != header.modified;
    } catch (const QvedError&) {
        // A damaged heading is reported when the journal is replayed.
    }
    return found;
}

void RecoveryJournal::replay(const QString& filePath, QuestionList& list)
{
    const QByteArray bytes = ReadWholeFile(journalPathOf(filePath));
    Reader reader(bytes);
    readHeader(reader);
    while (!reader.atEnd()) {
        const QList<QByteArray> fields = reader.line().split(' ');
        const QByteArray& kind = fields[0];
        if (kind == "A" && fields.size() == 1) {
            list.AppendQuestionRow();
            continue;
        }
        if (kind == "X" && fields.size() == 1 && !list.isEmpty()) {
            list.removeLastRow();
            continue;
        }
        if ((kind == "M" && fields.size() == 3) || (kind == "R" && fields.size() == 5)) {
            const int index = int(reader.number(fields[1], list.count() - 1));
            const auto marks = quint8(reader.number(fields[2], QuestionList::AllMarks));
            if (kind == "M") {
                list.setMarks(index, marks);
                continue;
            }
            QuestionList::SavedRow row;
            row.marks = marks;
            const qsizetype lineLength = reader.number(fields[3], bytes.size());
            const qsizetype questionLength = reader.number(fields[4], 255);
            row.line = reader.bytes(lineLength);
            row.question = reader.bytes(questionLength);
            if (reader.bytes(1) != "\n")
                reader.fail(QStringLiteral("a row's record does not end where it should"));
            list.restoreRow(index, row);
            continue;
        }
        reader.fail(QStringLiteral("a record is not one the editor writes"));
    }
}

QString RecoveryJournal::setAside(const QString& filePath)
{
    const QString journal = journalPathOf(filePath);
    QString aside = journal;
    aside.replace(QStringLiteral(".journal"),
                  QDateTime::currentDateTime().toString(QStringLiteral("-yyyyMMdd-hhmmss")) +
                      QStringLiteral(".old"));
    QFile file(journal);
    if (file.rename(aside))
        return {};
    return file.errorString();
}
