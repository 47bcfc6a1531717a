// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QTemporaryDir;
class QuestionList;
class ReportLayout;
class TextTable;

// One report command: export the chosen lines to the temporary data file,
// write its schema, open the report table over the pair, hand the chosen
// layout to the output, then close the table and delete both files - also
// when a step fails. The files live in the temporary folder the run is
// given, so runs side by side never share them, and whatever a failure
// leaves behind goes with the folder.
class ReportRun
{
public:
    enum class Mode
    {
        All = 1,
        Range = 2
    };
    // Shows a plain message and lets the command go on.
    using Inform = std::function<void(const QString& text)>;
    using Produce = std::function<void(const ReportLayout& report)>;

    // The folder must outlive the run. An invalid one stops PrepareData with
    // the reason it could not be made.
    ReportRun(const QuestionList& list, TextTable& tblQuestionData, const QTemporaryDir& folder,
              Inform inform);

    // A new folder inside the system's temporary folder. Where that folder is
    // missing, Qt names none and a default QTemporaryDir would be made in the
    // root folder; this one is then invalid, with the platform's reason.
    static std::unique_ptr<QTemporaryDir> newTemporaryFolder();

    // The range texts are converted only in Range mode; a text that is not a
    // whole number throws the conversion error, and so do the failures of
    // the All export and of opening the table, and an invalid folder.
    // reportType is the item of the
    // report type group: 0 test with key, 1 test, 2 question list.
    void PrepareData(Mode mode, const QString& begText, const QString& endText, int reportType,
                     const Produce& produce);

    static std::unique_ptr<ReportLayout> createReport(int reportType, const TextTable& table);

    // Every page of the report made next carries the label; see
    // ReportLayout::setPageLabel.
    void setPageLabel(const QString& text) { m_pageLabel = text; }

private:
    std::unique_ptr<ReportLayout> BuildReportTable(Mode mode, const QString& begText,
                                                   const QString& endText, int reportType);
    bool WriteRangeFile(const QString& fileName, const QString& begText, const QString& endText);
    void finish();

    const QuestionList& m_list;
    TextTable& m_table;
    const QTemporaryDir& m_folder;
    Inform m_inform;
    QString m_dataFile; // this run's data file, once it may exist
    QString m_pageLabel;
};
