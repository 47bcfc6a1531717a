// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "LocatorSearch.h"
#include "QuestionDocument.h"
#include "RecordChecks.h"

#include <QList>
#include <QRegularExpression>
#include <functional>
#include <optional>
#include <vector>

class QuestionList;

// Find and replace in a question's texts: the question, the answers or the
// reference, as the panel shows them. A replacement never breaks a line: a
// double quote becomes an apostrophe and a line break a blank.
class FieldReplacer
{
public:
    enum class Fields
    {
        All,
        Question,
        Answers,
        Reference
    };
    struct Options
    {
        QString find;
        QString replaceWith;
        Fields in = Fields::All;
        bool matchCase = false;
        bool wholeWords = false;
    };

    explicit FieldReplacer(const Options& options);

    // Why nothing can be replaced (no text to find, a replacement the files
    // cannot hold), or empty.
    const QString& refusal() const { return m_refusal; }

    bool matches(const PanelValues& values) const;
    bool lineMayMatch(QByteArrayView line) const;

    // Replaces in the chosen texts; answers how many replacements changed
    // something (a match already like the replacement does not). A text that would
    // pass its length (90, 25 for the reference) leaves the values as they
    // were and sets tooLong.
    int replaceIn(PanelValues& values, bool& tooLong) const;

    struct Outcome
    {
        std::vector<QuestionDocument::CommittedLine> lines;
        int replacements = 0;
        QList<int> tooLong; // question numbers left unchanged
        // Lines the panel would store otherwise (a text past its length, a
        // level outside 1 to 4, another tool's spacing): rewriting them
        // would change what was not asked for, so they are left unchanged.
        QList<int> notAsStored;
    };
    // Whether a list index is one of the rows shown.
    using Shown = std::function<bool(int index)>;
    // Every question of the list, or only those shown when shown is given;
    // lines that do not decode are left alone. Only a text that changes
    // counts, and only a changed line is stored.
    Outcome replaceAll(const QuestionList& list, const Shown& shown = {}) const;

private:
    // The line a commit of these values stores.
    static QByteArray encoded(const PanelValues& values);
    std::vector<QString*> fieldsOf(PanelValues& values) const;

    QRegularExpression m_pattern;
    QString m_replacement;
    QString m_refusal;
    Fields m_in;
    // A byte search over the stored line, a quick first test when the text
    // is plain ASCII.
    std::optional<LocatorSearch> m_prefilter;
};
