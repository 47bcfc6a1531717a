// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "QvedError.h"
#include "ReportLayout.h"
#include "ReportOutput.h"
#include "TextTable.h"
#include "TfrmTest.h"
#include "TfrmTestWithKey.h"
#include "Windows1252.h"

#include <QFile>
#include <QStringList>
#include <vector>

// Takes the reports the setup dialog produces and notes what each held.
class RecordingOutput : public ReportOutput
{
public:
    struct Report
    {
        bool printed = false;
        QString layout;
        QStringList questions;
        bool filesExisted = false;
        QString pdfPath; // what Save as PDF would suggest; previews only
    };

    std::vector<Report> reports;
    bool fail = false; // the output throws, as a failing report would

    void print(const ReportLayout& report, QWidget*) override { take(true, report, {}); }
    void preview(const ReportLayout& report, const QString& pdfPath, QWidget*) override
    {
        take(false, report, pdfPath);
    }

private:
    void take(bool printed, const ReportLayout& report, const QString& pdfPath)
    {
        const TextTable& table = report.table();
        Report r{printed,
                 QStringLiteral("QuestionList"),
                 {},
                 QFile::exists(table.dataFilePath()) && QFile::exists(table.schemaFilePath()),
                 pdfPath};
        if (dynamic_cast<const TfrmTestWithKey*>(&report))
            r.layout = QStringLiteral("TestWithKey");
        else if (dynamic_cast<const TfrmTest*>(&report))
            r.layout = QStringLiteral("Test");
        for (int i = 0; i < table.recordCount(); ++i)
            r.questions << Windows1252::toUnicode(table.value(i, table.fieldIndex(u"Question")));
        reports.push_back(r);
        if (fail)
            throw QvedError(QvedError::Kind::Other, QStringLiteral("report failed"));
    }
};
