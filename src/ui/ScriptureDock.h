#pragma once

#include <QDockWidget>
#include <memory>

class BibleLookup;
class QComboBox;
class QTextBrowser;

// The verses of the question being edited, beside the panel, with the words
// of the correct answer marked. Lookups run as the author types: one takes
// far less than a frame.
class ScriptureDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit ScriptureDock(QWidget* parent = nullptr);
    ~ScriptureDock() override;

    // book: a book table index, -1 for none.
    void setQuestion(int book, const QString& reference, const QString& answer);
    // By name; false when no such Bible module is installed.
    bool chooseModule(const QString& name);
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

    std::unique_ptr<BibleLookup> m_bible;
    int m_book = -1;
    QString m_reference;
    QString m_answer;
};
