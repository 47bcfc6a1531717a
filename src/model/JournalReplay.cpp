// SPDX-License-Identifier: GPL-2.0-or-later
#include "JournalReplay.h"

#include "Crc32.h"
#include "QvedError.h"
#include "ReadWholeFile.h"
#include "RecoveryJournal.h"

#include <QCoreApplication>
#include <QDir>
#include <limits>
#include <optional>
#include <vector>

namespace {

const QByteArray Magic = QByteArrayLiteral("QVED3 RECOVERY 2\n");
const QByteArray OlderMagic = QByteArrayLiteral("QVED3 RECOVERY 1\n");

std::optional<qint64> number(QByteArrayView text, qint64 limit)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0 || value > limit)
        return std::nullopt;
    return value;
}

// One record of a change, checked before any of the change is applied.
struct Step
{
    char kind = 0; // 'A', 'X', 'M' or 'R'
    int index = 0;
    QuestionList::SavedRow row; // the marks alone for 'M'
};

// The records of one change, checked against the list as the steps before
// them leave it; an empty text when every one can be applied.
QString parseSteps(QByteArrayView payload, int count, std::vector<Step>& steps)
{
    QuestionRecord scratch;
    qsizetype at = 0;
    while (at < payload.size()) {
        const qsizetype end = payload.indexOf('\n', at);
        if (end < 0)
            return QCoreApplication::translate("JournalReplay",
                                               "the change holds a record cut short");
        const QList<QByteArray> fields = payload.sliced(at, end - at).toByteArray().split(' ');
        at = end + 1;
        Step step;
        step.kind = fields[0].size() == 1 ? fields[0][0] : 0;
        if (step.kind == 'A' && fields.size() == 1) {
            step.index = count++;
        } else if (step.kind == 'X' && fields.size() == 1) {
            if (count == 0)
                return QCoreApplication::translate("JournalReplay",
                                                   "the change removes a row from an empty list");
            step.index = --count;
        } else if ((step.kind == 'M' && fields.size() == 3) ||
                   (step.kind == 'R' && fields.size() == 5)) {
            const auto index = number(fields[1], qint64(count) - 1);
            if (!index)
                return QCoreApplication::translate(
                           "JournalReplay", "the change names the row \"%1\" of a list of %2")
                    .arg(QString::fromLatin1(fields[1]))
                    .arg(count);
            const auto marks = number(fields[2], QuestionList::AllMarks);
            if (!marks)
                return QCoreApplication::translate("JournalReplay",
                                                   "the change holds the marks \"%1\"")
                    .arg(QString::fromLatin1(fields[2]));
            step.index = int(*index);
            step.row.marks = quint8(*marks);
            if (step.kind == 'R') {
                const auto lineLength = number(fields[3], payload.size());
                const auto questionLength = number(fields[4], 255);
                if (!lineLength || !questionLength ||
                    *lineLength + *questionLength + 1 > payload.size() - at ||
                    payload[at + *lineLength + *questionLength] != '\n')
                    return QCoreApplication::translate(
                        "JournalReplay", "the change holds a row whose lengths are wrong");
                step.row.line = payload.sliced(at, *lineLength).toByteArray();
                step.row.question = payload.sliced(at + *lineLength, *questionLength).toByteArray();
                at += *lineLength + *questionLength + 1;
                // What is stored must open again once saved.
                if (step.row.line.contains('\n') || step.row.line.contains('\r'))
                    return QCoreApplication::translate(
                        "JournalReplay", "the change stores a line that holds a line break");
                try {
                    DecodeQuestionLine(step.row.line, scratch, DecodeMode::QuestionOnly);
                } catch (const QvedError& error) {
                    return QCoreApplication::translate(
                               "JournalReplay",
                               "the change stores a line that does not decode (%1)")
                        .arg(error.message());
                }
            }
        } else {
            return QCoreApplication::translate(
                "JournalReplay", "the change holds a record the editor does not write");
        }
        steps.push_back(std::move(step));
    }
    return {};
}

} // namespace

JournalReplay JournalReplay::read(const QString& journalPath, const QString& filePath,
                                  QuestionRecord& record)
{
    JournalReplay result;
    const QString journalName = QDir::toNativeSeparators(journalPath);
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(journalPath);
    } catch (const QvedError& error) {
        result.error = error.message();
        return result;
    }
    if (bytes.startsWith(OlderMagic)) {
        result.error = QCoreApplication::translate(
                           "JournalReplay", "the journal %1 was written by an older version of the "
                                            "editor and is not replayed")
                           .arg(journalName);
        return result;
    }
    if (!bytes.startsWith(Magic)) {
        result.error = QCoreApplication::translate("JournalReplay", "%1 is not a recovery journal")
                           .arg(journalName);
        return result;
    }

    // The heading: each line in turn.
    qsizetype at = Magic.size();
    auto value = [&](QByteArrayView name) -> QByteArray {
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0 || !QByteArrayView(bytes).sliced(at, end - at).startsWith(name) ||
            end - at <= name.size() || bytes[at + name.size()] != ' ')
            return {};
        const QByteArray text = bytes.mid(at + name.size() + 1, end - at - name.size() - 1);
        at = end + 1;
        return text;
    };
    const auto size = number(value("size"), std::numeric_limits<qint64>::max());
    const auto modified = number(value("modified"), std::numeric_limits<qint64>::max());
    const QByteArray hash = value("sha256");
    const QByteArray file = value("file");
    const auto contentLength = number(value("content"), std::numeric_limits<qint64>::max());
    // The checksum of the heading's lines, then the content they describe.
    const qsizetype checked = at;
    bool checkRead = false;
    const quint32 crc = value("check").toUInt(&checkRead, 16);
    bool check = checkRead && crc == Crc32(QByteArrayView(bytes).first(checked)) && size &&
                 modified && hash.size() == 64 && !file.isEmpty() && contentLength &&
                 *contentLength < bytes.size() - at && bytes[at + *contentLength] == '\n';
    if (check) {
        result.content = bytes.mid(at, *contentLength);
        at += *contentLength + 1;
    }
    if (!check || RecoveryJournal::contentHash(result.content) != hash) {
        result.error =
            QCoreApplication::translate("JournalReplay", "the heading of the journal %1 is damaged")
                .arg(journalName);
        result.content.clear();
        return result;
    }
    result.stamp.size = *size;
    result.stamp.modified = QDateTime::fromMSecsSinceEpoch(*modified);
    result.contentHash = hash;
    try {
        result.list.fillFromContent(result.content, record, DecodeMode::QuestionOnly);
        result.fileChanged = RecoveryJournal::contentHash(ReadWholeFile(filePath)) != hash;
    } catch (const QvedError& error) {
        if (error.kind() == QvedError::Kind::Conversion) {
            result.error =
                QCoreApplication::translate("JournalReplay",
                                            "the file as the journal %1 keeps it does not read: %2")
                    .arg(journalName, error.message());
            return result;
        }
        result.fileChanged = true; // the file is gone or unreadable
    }

    // The changes, each whole or not at all.
    const qsizetype changesStart = at;
    while (at < bytes.size()) {
        const qsizetype start = at;
        auto stop = [&](const QString& why) {
            result.damage =
                QCoreApplication::translate("JournalReplay", "at byte %1, %2").arg(start).arg(why);
        };
        const qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) {
            stop(QCoreApplication::translate("JournalReplay", "the change is cut short"));
            break;
        }
        const QByteArrayView line = QByteArrayView(bytes).sliced(at, end - at);
        const QList<QByteArray> fields = line.toByteArray().split(' ');
        const auto time = fields.size() == 4 && fields[0] == "C"
                              ? number(fields[1], std::numeric_limits<qint64>::max())
                              : std::nullopt;
        const auto length =
            time ? number(fields[2], std::numeric_limits<qint64>::max()) : std::nullopt;
        bool crcRead = false;
        const quint32 crc = length ? fields[3].toUInt(&crcRead, 16) : 0;
        if (!crcRead) {
            stop(QCoreApplication::translate("JournalReplay",
                                             "what follows is not a change the editor writes"));
            break;
        }
        if (*length >= bytes.size() - end - 1) {
            stop(QCoreApplication::translate("JournalReplay", "the change is cut short"));
            break;
        }
        const QByteArrayView payload = QByteArrayView(bytes).sliced(end + 1, *length);
        const QByteArrayView signedPart = line.first(line.size() - fields[3].size() - 1);
        if (bytes[end + 1 + *length] != '\n' ||
            Crc32(signedPart.toByteArray() + '\n' + payload.toByteArray()) != crc) {
            stop(QCoreApplication::translate("JournalReplay",
                                             "the change does not match its checksum"));
            break;
        }
        std::vector<Step> steps;
        const QString wrong = parseSteps(payload, result.list.count(), steps);
        if (!wrong.isEmpty()) {
            stop(wrong);
            break;
        }
        QList<int> rows;
        for (const Step& step : steps) {
            switch (step.kind) {
            case 'A':
                result.list.AppendQuestionRow();
                break;
            case 'X':
                result.list.removeLastRow();
                break;
            case 'M':
                result.list.setMarks(step.index, step.row.marks);
                break;
            default:
                result.list.restoreRow(step.index, step.row);
            }
            if (!rows.contains(step.index))
                rows << step.index;
        }
        result.changeTimes << QDateTime::fromMSecsSinceEpoch(*time);
        result.changedRows << rows;
        at = end + 1 + *length + 1;
    }
    result.changeBytes = bytes.mid(changesStart, at - changesStart);
    return result;
}
