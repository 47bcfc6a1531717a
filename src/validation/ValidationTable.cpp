#include "ValidationTable.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

ValidationTable::LoadOutcome ValidationTable::LoadValTable(const QString& folder,
                                                           const Builder& builder)
{
    const QString path = folder + FileName;
    if (!QFile::exists(path) && builder)
        builder(QFile::encodeName(QDir::toNativeSeparators(folder)));

    m_loaded = false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return LoadOutcome::UnableToLoad;
    const QByteArray bytes = file.read(ByteSize);
    if (file.error() != QFileDevice::NoError)
        return LoadOutcome::UnableToLoad;

    // The bytes read so far stand in the table even when it is short; they
    // are not used while the table is not loaded.
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
        m_cells[std::size_t(i / 2)] = qFromLittleEndian<qint16>(data + i);
    if (bytes.size() != ByteSize)
        return LoadOutcome::TooShort;
    m_loaded = true;
    return LoadOutcome::Loaded;
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
    case LoadOutcome::TooShort:
        return QStringLiteral(
            "Error loading the validation table. Validation functions will be inoperative.");
    case LoadOutcome::UnableToLoad:
        break;
    }
    return QStringLiteral(
        "Unable to load the validation table. Validation functions will be inoperative.");
}
