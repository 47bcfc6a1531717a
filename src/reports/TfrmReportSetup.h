// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QuestionList;
class ReportOutput;
class TdmQVED3;
class TkelEdit;
class UserPrompts;

// The Reports command's dialog: which report, over all questions or a range
// of rows, printed or previewed. It stays open for further reports until
// Exit; each Print or Preview is one ReportRun in a temporary folder of its
// own. The question file's path names the PDF that Save as PDF suggests;
// without one the documents folder is suggested.
class TfrmReportSetup : public QDialog
{
    Q_OBJECT

public:
    TfrmReportSetup(const QuestionList& list, TdmQVED3& dataModule, UserPrompts& prompts,
                    QWidget* parent = nullptr, const QString& questionFile = QString());
    ~TfrmReportSetup() override;

    // Reports go to this output instead of the printer and preview window.
    void setReportOutput(ReportOutput& output) { m_output = &output; }

    static QString noQuestionsMessage();

    QGroupBox* rgpReportType;
    QGroupBox* grbQuestions;
    QRadioButton* rbtnAll;
    QLabel* Label2;
    TkelEdit* edtBeg;
    QLabel* Label1;
    TkelEdit* edtEnd;
    QPushButton* btnPrint;
    QPushButton* bntPrintPreview;
    QPushButton* btnExit;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void rbtnAllClick();
    void edtRangeEnter();

private:
    void PrepareData(bool print);
    void setRangeTextColour(const QColor& colour);

    const QuestionList& m_list;
    TdmQVED3& m_dataModule;
    UserPrompts& m_prompts;
    QString m_questionFile;
    std::unique_ptr<ReportOutput> m_qtOutput;
    ReportOutput* m_output;
    QButtonGroup* m_reportTypes;
};
