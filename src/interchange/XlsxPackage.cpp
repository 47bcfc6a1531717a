// SPDX-License-Identifier: GPL-2.0-or-later
#include "XlsxPackage.h"

#include "BoundedReadDevice.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipfileinfo.h>

namespace {

// What a part may unpack to: its packed size times the ratio, but never
// less than the floor nor more than the largest part.
qint64 unpackedBound(quint64 packed)
{
    const qint64 byRatio = packed > quint64(XlsxPackage::MaxPartBytes / XlsxPackage::MaxRatio)
                               ? XlsxPackage::MaxPartBytes
                               : qint64(packed) * XlsxPackage::MaxRatio;
    return std::clamp(byRatio, XlsxPackage::RatioFloorBytes, XlsxPackage::MaxPartBytes);
}

QString tooLarge(const QString& part, qint64 bound)
{
    return QCoreApplication::translate(
               "XlsxPackage",
               "the part %1 of the workbook unpacks to more than %2 MB, far more than its "
               "packed size explains: it is refused (a damaged file or a ZIP bomb).")
        .arg(part)
        .arg(bound >> 20);
}

} // namespace

XlsxPackage::XlsxPackage(const QByteArray& bytes)
{
    m_buffer.setData(bytes);
}

XlsxPackage::~XlsxPackage() = default;

bool XlsxPackage::open(QString* error)
{
    m_zip = std::make_unique<QuaZip>(&m_buffer);
    if (m_zip->open(QuaZip::mdUnzip))
        return true;
    m_zip.reset();
    *error = QCoreApplication::translate("XlsxPackage",
                                         "it is not an XLSX workbook (not a ZIP archive).");
    return false;
}

bool XlsxPackage::contains(const QString& part) const
{
    return m_zip && m_zip->setCurrentFile(part, QuaZip::csInsensitive);
}

bool XlsxPackage::openPart(const QString& part, QuaZipFile& file, qint64* bound,
                           QString* error) const
{
    QuaZipFileInfo64 info;
    if (!contains(part) || !m_zip->getCurrentFileInfo(&info)) {
        *error =
            QCoreApplication::translate("XlsxPackage", "the workbook has no part %1.").arg(part);
        return false;
    }
    *bound = unpackedBound(info.compressedSize);
    if (info.uncompressedSize > quint64(*bound)) {
        *error = tooLarge(part, *bound);
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate(
                     "XlsxPackage", "the part %1 of the workbook cannot be unpacked (error %2).")
                     .arg(part)
                     .arg(file.getZipError());
        return false;
    }
    return true;
}

QStringList XlsxPackage::parts() const
{
    return m_zip ? m_zip->getFileNameList() : QStringList();
}

QByteArray XlsxPackage::unpack(const QString& part, QString* error) const
{
    QuaZipFile file(m_zip.get());
    qint64 bound = 0;
    if (!openPart(part, file, &bound, error))
        return {};
    BoundedReadDevice bounded(&file, bound);
    QByteArray bytes = bounded.readAll();
    if (bounded.exceeded()) {
        *error = tooLarge(part, bound);
        return {};
    }
    file.close();
    if (file.getZipError() != UNZ_OK) {
        *error = QCoreApplication::translate("XlsxPackage",
                                             "the part %1 of the workbook is damaged (error %2).")
                     .arg(part)
                     .arg(file.getZipError());
        return {};
    }
    return bytes;
}

bool XlsxPackage::parse(const QString& part, const std::function<bool(QXmlStreamReader&)>& read,
                        QString* error) const
{
    QuaZipFile file(m_zip.get());
    qint64 bound = 0;
    if (!openPart(part, file, &bound, error))
        return false;
    BoundedReadDevice bounded(&file, bound);
    QXmlStreamReader xml(&bounded);
    // A document type definition can only come before the root element.
    while (!xml.atEnd() && !xml.isStartElement()) {
        if (xml.readNext() == QXmlStreamReader::DTD) {
            *error = QCoreApplication::translate(
                         "XlsxPackage",
                         "the part %1 of the workbook declares a document type or entities, "
                         "which a workbook never does: it is refused.")
                         .arg(part);
            return false;
        }
    }
    const bool completed = !xml.hasError() && read(xml);
    if (bounded.exceeded()) {
        *error = tooLarge(part, bound);
        return false;
    }
    if (xml.hasError()) {
        *error =
            QCoreApplication::translate(
                "XlsxPackage", "the part %1 of the workbook is not well-formed XML: %2 (line %3).")
                .arg(part, xml.errorString())
                .arg(xml.lineNumber());
        return false;
    }
    return completed;
}
