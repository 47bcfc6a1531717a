// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class QTemporaryDir;
class QuestionList;
class ReportLayout;

// Reports straight into PDF files, for the preview's Save as PDF and for the
// command-line tool. Both answer an empty text when the file was written,
// otherwise the message for the user.
class ReportPdf
{
public:
    // Draws the report's pages in memory, then writes the file in one safe
    // step: a failing write leaves an older file as it was and no partial
    // PDF. A report without records writes no file. A valid created date
    // replaces the moment of drawing in the file, so that the same pages
    // give the same bytes.
    // progress(page, count) is asked before each page and stops the run,
    // writing nothing, by answering false.
    static QString render(const ReportLayout& report, const QString& path,
                          const QDateTime& created = {},
                          const std::function<bool(int page, int count)>& progress = {});

    // The report setup's command for grid rows first..last (1-based, adjusted
    // and checked as the setup's range is) with report type 0 (test with
    // key), 1 (test) or 2 (question list): the same temporary export, in the
    // given folder, table and layouts, with the PDF file as the output. A
    // page label goes on every page (ReportLayout::setPageLabel).
    static QString write(int reportType, const QuestionList& list, int first, int last,
                         const QString& path, const QTemporaryDir& folder,
                         const QDateTime& created = {}, const QString& pageLabel = {});

    // The name Save as PDF suggests: the question file's name with the
    // layout's ("quiz-key.pdf", "quiz-test.pdf", "quiz-list.pdf") in the
    // question file's folder. Without a question file, the documents folder.
    static QString suggestedPath(const QString& questionFile, int reportType);
};
