// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReportRun.h"

#include "IntegerConversion.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "ReportExport.h"
#include "TextTable.h"
#include "TfrmQuestionList.h"
#include "TfrmTest.h"
#include "TfrmTestWithKey.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTime>

ReportRun::ReportRun(const QuestionList& list, TextTable& tblQuestionData,
                     const QTemporaryDir& folder, Inform inform)
    : m_list(list), m_table(tblQuestionData), m_folder(folder), m_inform(std::move(inform))
{
}

std::unique_ptr<QTemporaryDir> ReportRun::newTemporaryFolder()
{
    const QString pattern = QStringLiteral("/qved-report-XXXXXX");
    const QString system = QDir::tempPath();
    if (!system.isEmpty())
        return std::make_unique<QTemporaryDir>(system + pattern);
    // Asked for where the environment points, the folder fails with the
    // platform's reason instead of landing in the root folder.
    QString named;
    for (const char* variable : {"TMPDIR", "TMP", "TEMP"}) {
        named = qEnvironmentVariable(variable);
        if (!named.isEmpty())
            break;
    }
    if (named.isEmpty())
        named = QStringLiteral("/nonexistent-temporary-folder");
    return std::make_unique<QTemporaryDir>(QDir::cleanPath(named) + pattern);
}

void ReportRun::PrepareData(Mode mode, const QString& begText, const QString& endText,
                            int reportType, const Produce& produce)
{
    const auto cleanUp = qScopeGuard([this] { finish(); });
    const std::unique_ptr<ReportLayout> report =
        BuildReportTable(mode, begText, endText, reportType);
    if (report)
        produce(*report);
}

std::unique_ptr<ReportLayout> ReportRun::createReport(int reportType, const TextTable& table)
{
    switch (reportType) {
    case 0:
        return std::make_unique<TfrmTestWithKey>(table);
    case 1:
        return std::make_unique<TfrmTest>(table);
    case 2:
        return std::make_unique<TfrmQuestionList>(table);
    default:
        throw QvedError::listIndex(reportType);
    }
}

std::unique_ptr<ReportLayout> ReportRun::BuildReportTable(Mode mode, const QString& begText,
                                                          const QString& endText, int reportType)
{
    if (!m_folder.isValid())
        throw QvedError(QvedError::Kind::Other,
                        QCoreApplication::translate(
                            "ReportRun", "Cannot create a temporary folder for the report: %1")
                            .arg(m_folder.errorString()));
    const QString name = ReportExport::TemporaryDataFileName(m_folder.path(), QTime::currentTime());
    if (mode == Mode::All) {
        m_dataFile = name;
        ReportExport::WriteAllFile(m_list, name);
    } else if (!WriteRangeFile(name, begText, endText)) {
        return nullptr;
    }

    const QString schemaError = ReportExport::WriteSchemaFile(ReportExport::SchemaFileName(name));
    if (!schemaError.isEmpty())
        m_inform(schemaError);

    m_table.setDirectory(ReportExport::DirectoryPart(name));
    m_table.setTableName(ReportExport::NamePart(name));
    m_table.open();
    std::unique_ptr<ReportLayout> report = createReport(reportType, m_table);
    if (!m_pageLabel.isEmpty())
        report->setPageLabel(m_pageLabel);
    return report;
}

bool ReportRun::WriteRangeFile(const QString& fileName, const QString& begText,
                               const QString& endText)
{
    int beginning = StrToInt(begText);
    int end = StrToInt(endText);
    if (!ReportExport::CheckRange(beginning, end, m_list.count())) {
        m_inform(ReportExport::RangeErrorMessage());
        return false;
    }
    m_dataFile = fileName;
    const QString error = ReportExport::WriteRows(m_list, fileName, beginning, end);
    if (!error.isEmpty())
        m_inform(error);
    return true;
}

void ReportRun::finish()
{
    m_table.close();
    if (m_dataFile.isEmpty())
        return;
    QFile::remove(m_dataFile);
    QFile::remove(ReportExport::SchemaFileName(m_dataFile));
    m_dataFile.clear();
}
