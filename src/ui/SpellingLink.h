#pragma once

#include <QObject>
#include <memory>

class DetailPanel;
class QMenu;
class SpellChecker;
class SpellingMarks;
class UserPrompts;

// Checks the spelling of the panel's question and answers (never the
// reference) with the dictionary of the settings' language, en_US unless
// chosen, the Bible's words and the author's own list.
class SpellingLink : public QObject
{
    Q_OBJECT

public:
    SpellingLink(DetailPanel& panel, QMenu& tools, UserPrompts& prompts, QWidget* window);
    ~SpellingLink() override;

    SpellChecker& checker() { return *m_checker; }

    // Tools > Spelling Language: another installed dictionary, kept in the
    // settings.
    void chooseLanguage();

private:
    std::unique_ptr<SpellChecker> m_checker;
    UserPrompts& m_prompts;
    QWidget* m_window;
    SpellingMarks* m_marks = nullptr;
};
