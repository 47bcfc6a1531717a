// SPDX-License-Identifier: GPL-2.0-or-later
#include "InterchangeFormats.h"

#include "AikenFormat.h"
#include "CsvFormat.h"
#include "GiftFormat.h"
#include "JsonFormat.h"
#include "KahootFormat.h"
#include "MoodleXmlFormat.h"
#include "QuestionFormat.h"
#include "QusFormat.h"
#include "TsvFormat.h"
#include "XlsxFormat.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace {

// Formats whose first bytes say what they are, each recognised by its own
// signature; the tool's and the file dialogs' order.
const QList<const QuestionFormat*>& signedFormats()
{
    static const QusFormat qus;
    static const MoodleXmlFormat moodle;
    static const GiftFormat gift;
    static const AikenFormat aiken;
    static const JsonFormat json;
    // Kahoot's sheet before any other workbook.
    static const KahootFormat kahoot;
    static const XlsxFormat xlsx;
    static const QList<const QuestionFormat*> formats{&qus,  &moodle, &gift, &aiken,
                                                      &json, &kahoot, &xlsx};
    return formats;
}

// Separated text, which almost any text resembles: asked last, after the
// file name's suffix.
const QList<const QuestionFormat*>& delimitedFormats()
{
    static const TsvFormat tsv;
    static const CsvFormat csv;
    static const QList<const QuestionFormat*> formats{&tsv, &csv};
    return formats;
}

} // namespace

const QList<const QuestionFormat*>& InterchangeFormats::all()
{
    static const QList<const QuestionFormat*> formats = [] {
        QList<const QuestionFormat*> result = delimitedFormats();
        result += signedFormats();
        return result;
    }();
    return formats;
}

const QuestionFormat* InterchangeFormats::byName(const QString& name)
{
    for (const QuestionFormat* format : all()) {
        if (format->name().compare(name, Qt::CaseInsensitive) == 0)
            return format;
    }
    return nullptr;
}

const QuestionFormat* InterchangeFormats::detect(const QString& fileName, const QByteArray& head)
{
    for (const QuestionFormat* format : signedFormats()) {
        if (format->canRead() && format->recognises(head))
            return format;
    }
    // A suffix two formats share (".txt") tells nothing.
    const QString suffix = QFileInfo(fileName).suffix();
    const QuestionFormat* named = nullptr;
    int claims = 0;
    for (const QuestionFormat* format : all()) {
        if (format->canRead() && format->suffixes().contains(suffix, Qt::CaseInsensitive)) {
            named = format;
            ++claims;
        }
    }
    if (claims == 1)
        return named;
    for (const QuestionFormat* format : delimitedFormats()) {
        if (format->recognises(head))
            return format;
    }
    return nullptr;
}

QByteArray InterchangeFormats::readSource(const QString& fileName, QString* error)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        *error = QCoreApplication::translate("Interchange", "the file does not exist");
        return {};
    }
    if (info.isDir()) {
        *error = QCoreApplication::translate("Interchange", "it is a folder");
        return {};
    }
    if (!info.isFile()) {
        *error = QCoreApplication::translate("Interchange", "it is not a regular file");
        return {};
    }
    if (info.size() > MaxSourceBytes) {
        *error = QCoreApplication::translate("Interchange",
                                             "it is larger than %1 MiB, the most an import reads")
                     .arg(MaxSourceBytes >> 20);
        return {};
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return {};
    }
    if (bytes.isEmpty())
        *error = QCoreApplication::translate("Interchange", "it is empty");
    return bytes;
}
