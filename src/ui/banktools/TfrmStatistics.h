// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QTableWidget;
class QuestionList;
class QuestionStatistics;

// Statistics of the open list: counts by book, by level and by correct
// letter as bar charts and as a table that can be copied, with the uneven
// spreads flagged. The counts are those of `qvedtool stats`.
class TfrmStatistics : public QDialog
{
    Q_OBJECT

public:
    TfrmStatistics(const QuestionList& list, QWidget* parent);

    // The table as tab-separated lines: group, name, count, share.
    QString tableText() const;
    // The flagged spreads, one a line.
    QString warnings() const;

    QTableWidget* grdCounts;
    QPlainTextEdit* mmoWarnings;

private:
    void fillTable(const QuestionStatistics& counts);
    QStringList findWarnings(const QuestionStatistics& counts) const;
    QWidget* charts(const QuestionStatistics& counts);
};
