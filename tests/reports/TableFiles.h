// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ReportExport.h"
#include "TextTable.h"

#include <QFile>
#include <QTemporaryDir>

// A report table over the given lines, exported as a report run exports them.
class TableFiles
{
public:
    explicit TableFiles(const QByteArray& content)
    {
        const QString data = m_dir.filePath(QStringLiteral("z120000.txt"));
        QFile file(data);
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        file.close();
        ReportExport::WriteSchemaFile(ReportExport::SchemaFileName(data));
        table.setDirectory(ReportExport::DirectoryPart(data));
        table.setTableName(ReportExport::NamePart(data));
        table.open();
    }

    TextTable table;

private:
    QTemporaryDir m_dir;
};
