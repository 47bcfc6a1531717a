// SPDX-License-Identifier: GPL-2.0-or-later
#include "SimilarQuestionHint.h"

#include "DetailPanel.h"
#include "EditingWorkflow.h"
#include "QuestionDocument.h"
#include "QuestionFields.h"
#include "QuestionMatcher.h"
#include "Windows1252.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QtConcurrent>

struct SimilarQuestionHint::Index
{
    explicit Index(const QuestionList& questions) : list(questions), matcher(list)
    {
        matcher.closest({}, 1); // builds the wording index here, off the window's thread
    }
    QuestionList list;
    QuestionMatcher matcher;
};

SimilarQuestionHint::SimilarQuestionHint(const QuestionDocument& document, DetailPanel& panel,
                                         const EditingWorkflow& editing, QObject* parent)
    : QObject(parent), m_document(document), m_panel(panel), m_editing(editing)
{
    // On the question's caption line, between the caption and the number.
    m_label = new QLabel(&panel);
    m_label->setObjectName(QStringLiteral("lblSimilar"));
    m_label->setGeometry(272, 6, 240, 18);
    m_label->setTextFormat(Qt::RichText);
    m_label->setAccessibleName(tr("Similar question"));
    m_label->hide();
    connect(m_label, &QLabel::linkActivated, this, [this] {
        if (m_number > 0)
            emit questionChosen(m_number);
    });

    // A pause after the last key, so typing never waits for the lookup.
    m_pause.setSingleShot(true);
    m_pause.setInterval(150);
    connect(&m_pause, &QTimer::timeout, this, &SimilarQuestionHint::refresh);
    connect(panel.mmoQuestion, &QPlainTextEdit::textChanged, &m_pause, qOverload<>(&QTimer::start));

    m_rebuildPause.setSingleShot(true);
    m_rebuildPause.setInterval(500);
    connect(&m_rebuildPause, &QTimer::timeout, this, &SimilarQuestionHint::rebuild);
    connect(&document, &QuestionDocument::rowsChanged, &m_rebuildPause,
            qOverload<>(&QTimer::start));
    // A new list is indexed once the window has shown it: the copy the index
    // takes of a large list, and the index itself, would otherwise hold up
    // the open and take a core from what the open still counts.
    connect(&document, &QuestionDocument::listReset, this, [this] {
        m_index.reset();
        m_indexing = true;
        QTimer::singleShot(0, this, &SimilarQuestionHint::rebuild);
    });
    connect(&m_watcher, &QFutureWatcherBase::finished, this, &SimilarQuestionHint::indexed);
    rebuild();
}

SimilarQuestionHint::~SimilarQuestionHint()
{
    m_watcher.waitForFinished();
}

void SimilarQuestionHint::rebuild()
{
    if (m_watcher.isRunning()) {
        m_stale = true;
        return;
    }
    m_indexing = true;
    m_watcher.setFuture(QtConcurrent::run(
        [](const QuestionList& list) { return std::make_shared<const Index>(list); },
        m_document.list()));
}

void SimilarQuestionHint::indexed()
{
    m_index = m_watcher.future().result();
    m_indexing = false;
    if (std::exchange(m_stale, false))
        rebuild();
    refresh();
}

void SimilarQuestionHint::refresh()
{
    m_number = 0;
    const QString typed = m_panel.mmoQuestion->toPlainText();
    bool encodable = false;
    const QByteArray question = Windows1252::fromUnicode(typed, &encodable);
    if (m_index && encodable && !typed.trimmed().isEmpty()) {
        const auto similar =
            m_index->matcher.closest(question, Threshold, m_editing.currentIndex());
        if (similar.index >= 0 && similar.index < m_document.list().count()) {
            m_number = similar.index + 1;
            const QuestionFields fields = m_index->matcher.fields(similar.index);
            const QString text = Windows1252::toUnicode(fields.texts[QuestionFields::Question]);
            const QString shown = m_label->fontMetrics().elidedText(
                text, Qt::ElideRight,
                m_label->width() -
                    m_label->fontMetrics().horizontalAdvance(tr("Similar to #000000: ")));
            m_label->setText(tr("<a href=\"#%1\">Similar to #%1</a>: %2")
                                 .arg(m_number)
                                 .arg(shown.toHtmlEscaped()));
            m_label->setToolTip(text);
        }
    }
    m_label->setVisible(m_number > 0);
}
