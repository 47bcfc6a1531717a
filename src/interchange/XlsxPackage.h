// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QuaZip;
class QuaZipFile;
class QXmlStreamReader;

// The parts of a workbook's ZIP container, each read through XML within
// bounds: no part unpacks beyond MaxPartBytes, nor (beyond a few megabytes)
// to more than MaxRatio times its packed size, whatever its header claims;
// a part with a document type definition is refused, so no entity is ever
// declared, loaded or expanded.
class XlsxPackage
{
public:
    static constexpr qint64 MaxPartBytes = qint64(256) << 20;
    static constexpr qint64 RatioFloorBytes = qint64(8) << 20;
    static constexpr qint64 MaxRatio = 100;

    explicit XlsxPackage(const QByteArray& bytes);
    ~XlsxPackage();

    // False, with the reason in error, when the bytes are no ZIP archive.
    bool open(QString* error);
    bool contains(const QString& part) const;
    // Reads the part's XML from its root element on. read returns false
    // (with its own reason in error) to stop; false too when the part is
    // missing, too large or not well-formed XML.
    bool parse(const QString& part, const std::function<bool(QXmlStreamReader&)>& read,
               QString* error) const;

    // Every part's name, in the archive's order.
    QStringList parts() const;
    // A part's bytes within the same bounds, its checksum checked; empty
    // with the reason in error.
    QByteArray unpack(const QString& part, QString* error) const;

private:
    bool openPart(const QString& part, QuaZipFile& file, qint64* bound, QString* error) const;

    QBuffer m_buffer;
    std::unique_ptr<QuaZip> m_zip;
};
