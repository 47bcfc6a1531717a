// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDockWidget>
#include <QFuture>
#include <atomic>
#include <memory>

class BibleLookup;
class QComboBox;
class QTextBrowser;

// The verses of the question being edited, beside the panel, with the words
// of the correct answer marked. Lookups run as the author types: one takes
// far less than a frame. The Bible modules are opened when the dock is
// first shown: SWORD reads all its locales when it starts, a good part of
// the editor's start-up otherwise. Then the chosen Bible is read ahead on a
// worker thread, so lookups answer from memory instead of unpacking a book
// for a verse.
class ScriptureDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit ScriptureDock(QWidget* parent = nullptr);
    ~ScriptureDock() override;

    // book: a book table index, -1 for none.
    void setQuestion(int book, const QString& reference, const QString& answer);
    // By name; false when no such Bible module is installed. Before the
    // modules are opened, the name is kept for then.
    bool chooseModule(const QString& name);
    // The Bible of the bank's language. When it is not installed the dock
    // says missing rather than show another Bible's verses; an empty missing
    // keeps the first Bible there is instead.
    void setBankModule(const QString& name, const QString& missing);
    QString moduleName() const;
    // The text shown, without markup.
    QString shownText() const;

    QComboBox* cbxModule;
    QTextBrowser* txtVerses;

signals:
    void moduleChosen(const QString& name);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    // Opens the modules the first time.
    BibleLookup& bible();
    // (Again) for the chosen module.
    void startReadAhead();

    std::unique_ptr<BibleLookup> m_bible;
    std::atomic<bool> m_stopReading{false};
    QFuture<void> m_reading;
    QString m_wantedModule;
    QString m_missing; // said instead of the verses, when set
    bool m_moduleMissing = false;
    int m_book = -1;
    QString m_reference;
    QString m_answer;
};
