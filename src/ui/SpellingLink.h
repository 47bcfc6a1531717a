#pragma once

#include <QObject>
#include <memory>

class DetailPanel;
class QMenu;
class SpellChecker;
class SpellingMarks;

// Checks the spelling of the panel's question and answers (never the
// reference) with the dictionary of the settings' language, en_US unless
// chosen, the Bible's words and the author's own list.
class SpellingLink : public QObject
{
    Q_OBJECT

public:
    SpellingLink(DetailPanel& panel, QMenu& tools, QObject* parent);
    ~SpellingLink() override;

    SpellChecker& checker() { return *m_checker; }

private:
    std::unique_ptr<SpellChecker> m_checker;
    SpellingMarks* m_marks = nullptr;
};
