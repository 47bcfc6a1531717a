#pragma once

#include <QString>
#include <functional>
#include <memory>

class QuestionList;
class ReportLayout;
class TextTable;

// One report command: export the chosen lines to the temporary data file,
// write its schema, open the report table over the pair, hand the chosen
// layout to the output, then close the table and delete both files - also
// when a step fails.
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

    ReportRun(const QuestionList& list, TextTable& tblQuestionData, Inform inform);

    // The range texts are converted only in Range mode; a text that is not a
    // whole number throws the conversion error, and so do the failures of
    // the All export and of opening the table. reportType is the item of the
    // report type group: 0 test with key, 1 test, 2 question list.
    void PrepareData(Mode mode, const QString& begText, const QString& endText, int reportType,
                     const Produce& produce);

    static std::unique_ptr<ReportLayout> createReport(int reportType, const TextTable& table);

private:
    std::unique_ptr<ReportLayout> BuildReportTable(Mode mode, const QString& begText,
                                                   const QString& endText, int reportType);
    bool WriteRangeFile(const QString& fileName, const QString& begText, const QString& endText);
    void finish();

    const QuestionList& m_list;
    TextTable& m_table;
    Inform m_inform;
    QString m_dataFile; // this run's data file, once it may exist
};
