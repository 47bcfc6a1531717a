// SPDX-License-Identifier: GPL-2.0-or-later
#include "ValidationTable.h"

#include "BookTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

ValidationTable::LoadOutcome ValidationTable::LoadValTable(const QString& folder,
                                                           const Builder& builder)
{
    const QString path = folder + FileName;
    if (!QFile::exists(path) && builder)
        builder(QFile::encodeName(QDir::toNativeSeparators(folder)));

    m_loaded = false;
    // A FIFO would block the start-up waiting for a writer.
    if (!QFileInfo(path).isFile())
        return LoadOutcome::UnableToLoad;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadOutcome::UnableToLoad;
    const QByteArray bytes = file.read(ByteSize + 1);
    if (file.error() != QFileDevice::NoError)
        return LoadOutcome::UnableToLoad;

    // The bytes read so far stand in the table even when it is short; they
    // are not used while the table is not loaded.
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (qsizetype i = 0; i + 1 < std::min(bytes.size(), ByteSize); i += 2)
        m_cells[std::size_t(i / 2)] = qFromLittleEndian<qint16>(data + i);
    if (bytes.size() != ByteSize || !hasPlausibleCounts())
        return LoadOutcome::Damaged;
    m_loaded = true;
    return LoadOutcome::Loaded;
}

bool ValidationTable::hasPlausibleCounts() const
{
    for (int book = 0; book < BibleBookCount; ++book) {
        const int chapters = ChapterCount(book);
        if (chapters < 1 || chapters >= Columns)
            return false;
        for (int chapter = 1; chapter < Columns; ++chapter) {
            const int verses = VerseCount(book, chapter);
            if (verses < 0 || verses > MaxVerses)
                return false;
        }
    }
    return true;
}

ValidationTable::LoadOutcome ValidationTable::rebuild(const QString& folder, const Builder& builder)
{
    QFile::remove(folder + FileName);
    return LoadValTable(folder, builder);
}

QString ValidationTable::message(LoadOutcome outcome)
{
    switch (outcome) {
    case LoadOutcome::Loaded:
        return {};
    case LoadOutcome::Damaged:
        return QCoreApplication::translate(
            "ValidationTable",
            "Error loading the validation table. Validation functions will be inoperative.");
    case LoadOutcome::UnableToLoad:
        break;
    }
    return QCoreApplication::translate(
        "ValidationTable",
        "Unable to load the validation table. Validation functions will be inoperative.");
}

QString ValidationTable::message(LoadOutcome outcome, const QString& path)
{
    if (outcome == LoadOutcome::Loaded)
        return {};
    return message(outcome) + QStringLiteral("\r\n") + QDir::toNativeSeparators(path) +
           QCoreApplication::translate("ValidationTable",
                                       "\r\nOptions > Rebuild Validation Table writes it again.");
}
