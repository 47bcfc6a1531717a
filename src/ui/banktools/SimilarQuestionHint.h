// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QTimer>
#include <memory>

class DetailPanel;
class EditingWorkflow;
class QLabel;
class QuestionDocument;
class QuestionList;
class QuestionMatcher;

// While a question is typed or edited, the panel names the closest existing
// question by wording ("Similar to #N: ..."), with a link to it. The wording
// index is built in the background whenever the list changed.
class SimilarQuestionHint : public QObject
{
    Q_OBJECT

public:
    static constexpr double Threshold = 0.6;

    SimilarQuestionHint(const QuestionDocument& document, DetailPanel& panel,
                        const EditingWorkflow& editing, QObject* parent = nullptr);
    ~SimilarQuestionHint() override;

    QLabel* label() const { return m_label; }
    // The question the hint names, numbered from 1; 0 when none.
    int similarNumber() const { return m_number; }
    // Looks again now instead of after the pause.
    void refresh();
    // Whether a rebuilt index is still on its way.
    bool isIndexing() const { return m_indexing; }

signals:
    void questionChosen(int number);

private:
    struct Index; // the list copy and the matcher over it
    void rebuild();
    void indexed();

    const QuestionDocument& m_document;
    DetailPanel& m_panel;
    const EditingWorkflow& m_editing;
    QLabel* m_label;
    QTimer m_pause;
    QTimer m_rebuildPause;
    std::shared_ptr<const Index> m_index;
    QFutureWatcher<std::shared_ptr<const Index>> m_watcher;
    bool m_stale = false;
    bool m_indexing = false;
    int m_number = 0;
};
