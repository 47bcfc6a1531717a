// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>
#include <algorithm>

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;
class QToolBar;
class ReportEngine;
class ReportPageView;

// The print preview. It lays the report out a few records at a time from
// the event loop, showing the first page as soon as it is done and the
// progress with a Cancel beside it, so a report of thousands of pages
// never holds the window still. Print and Save as PDF are the caller's to
// connect.
class ReportPreview : public QDialog
{
    Q_OBJECT

public:
    // A step lays out batches of records until it has taken its time, so
    // the window answers again within a small part of a second even when
    // every text wraps; a batch is a few milliseconds at most.
    static constexpr int DefaultRecordsPerBatch = 50;
    static constexpr int DefaultStepMilliseconds = 25;

    // The engine must outlive the preview; its pages are laid out anew.
    explicit ReportPreview(ReportEngine& engine, QWidget* parent = nullptr);

    // A step time of 0 makes every step a single batch.
    void setStep(int recordsPerBatch, int milliseconds)
    {
        m_recordsPerBatch = std::max(1, recordsPerBatch);
        m_stepMilliseconds = std::max(0, milliseconds);
    }
    bool isLayingOut() const { return m_step.isActive(); }
    int pagesReady() const;

    QAction* printAction() const { return m_print; }
    QAction* saveAction() const { return m_save; }
    ReportPageView* pageView() const { return m_view; }

    // Stops the layout; the pages laid out so far stay in view.
    void cancelLayout();

signals:
    // count pages are laid out now.
    void pagesAdded(int count);
    void layoutFinished();

private:
    void layOutStep();
    void showPosition();

    ReportEngine& m_engine;
    QTimer m_step;
    int m_recordsPerBatch = DefaultRecordsPerBatch;
    int m_stepMilliseconds = DefaultStepMilliseconds;
    QToolBar* m_toolBar;
    QAction* m_print;
    QAction* m_save;
    QLabel* lblPage;
    QLabel* lblStatus;
    QProgressBar* prgLayout;
    QPushButton* btnCancelLayout;
    ReportPageView* m_view;
};
