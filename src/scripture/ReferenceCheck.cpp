// SPDX-License-Identifier: GPL-2.0-or-later
#include "ReferenceCheck.h"

#include "BibleLookup.h"
#include "BookTable.h"
#include "ForEachQuestionField.h"
#include "QuestionLineCodec.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "ScriptureReference.h"
#include "Windows1252.h"
#include "WordKeys.h"

#include <algorithm>
#include <tuple>

#include <QCoreApplication>

namespace {

// How far from the cited verse a misplaced answer is looked for.
constexpr int Neighbourhood = 3;

struct ChapterVerse
{
    QString text;
    QSet<QString> keys;
};

// Where a question's verses are, when it has any.
struct Target
{
    int book = -1;    // book table index, -1 when only SWORD knows the name
    QString bookName; // folded, when book is -1
    int chapter = 0;
    int first = 0;
    int last = 0;

    bool sameChapter(const Target& other) const
    {
        return book == other.book && bookName == other.bookName && chapter == other.chapter;
    }
    bool operator<(const Target& other) const
    {
        return std::tie(book, bookName, chapter) <
               std::tie(other.book, other.bookName, other.chapter);
    }
};

QSet<QString> keySet(const QString& text, BibleLanguage::Language language)
{
    QSet<QString> keys;
    for (const WordKeys::Word& word : WordKeys::words(text, language)) {
        if (!word.common)
            keys.insert(word.key);
        // "Beth-lehem" holds "Bethlehem" and "Beth" alike.
        for (const QString& part : word.parts)
            keys.insert(part);
    }
    return keys;
}

// The reference with its verse part replaced, as the author wrote the rest.
QString withVerse(const QString& reference, int verse)
{
    const QString trimmed = reference.trimmed();
    qsizetype at = trimmed.indexOf(u':');
    if (at < 0)
        return trimmed;
    ++at;
    while (at < trimmed.size() && trimmed[at].isSpace())
        ++at;
    return trimmed.left(at) + QString::number(verse);
}

QString versePart(int first, int last)
{
    return first == last ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(last);
}

} // namespace

ReferenceCheck::ReferenceCheck(const BibleLookup& bible)
    : m_bible(bible), m_language(bible.moduleLanguage())
{
}

QString ReferenceCheck::Finding::message() const
{
    switch (verdict) {
    case Verdict::Nearby:
        return QCoreApplication::translate("ReferenceCheck", "answer in %1").arg(shownSuggestion);
    case Verdict::OtherLetter:
        return QCoreApplication::translate("ReferenceCheck",
                                           "the verse names answer %1: is the letter right?")
            .arg(QChar(u'A' + namedLetter));
    case Verdict::NotFound:
        return QCoreApplication::translate("ReferenceCheck", "answer not found near %1").arg(shown);
    case Verdict::Fine:
    case Verdict::NoVerseText:
    case Verdict::NoContentWords:
        break;
    }
    return {};
}

QString ReferenceCheck::Finding::kind() const
{
    switch (verdict) {
    case Verdict::Fine:
        return QStringLiteral("fine");
    case Verdict::Nearby:
        return QStringLiteral("nearby");
    case Verdict::OtherLetter:
        return QStringLiteral("letter");
    case Verdict::NotFound:
        return QStringLiteral("not-found");
    case Verdict::NoVerseText:
        return QStringLiteral("no-verse");
    case Verdict::NoContentWords:
        return QStringLiteral("no-words");
    }
    return {};
}

std::optional<ReferenceCheck::Question> ReferenceCheck::Question::fromLine(int number,
                                                                           QByteArrayView line)
{
    QuestionRecord record;
    try {
        DecodeQuestionLine(line, record, DecodeMode::Full);
    } catch (const QvedError&) {
        return std::nullopt;
    }
    Question question;
    question.number = number;
    question.book = record.Book;
    question.reference = Windows1252::toUnicode(record.Reference.view());
    ForEachQuestionField(line, 4, [&question](int field, QByteArrayView text) {
        if (field == 4)
            question.written = Windows1252::toUnicode(text);
    });
    question.correct = record.Correct;
    question.answers = {Windows1252::toUnicode(record.AnswerA.view()),
                        Windows1252::toUnicode(record.AnswerB.view()),
                        Windows1252::toUnicode(record.AnswerC.view()),
                        Windows1252::toUnicode(record.AnswerD.view())};
    return question;
}

std::vector<ReferenceCheck::Question> ReferenceCheck::questions(const QuestionList& list)
{
    std::vector<Question> found;
    found.reserve(std::size_t(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        if (list.isDeleted(i))
            continue;
        if (auto question = Question::fromLine(i + 1, list.line(i)))
            found.push_back(std::move(*question));
    }
    return found;
}

ReferenceCheck::Summary ReferenceCheck::summarize(const std::vector<Finding>& findings)
{
    Summary summary;
    for (const Finding& finding : findings) {
        ++summary.questions;
        if (finding.verdict == Verdict::Fine)
            ++summary.fine;
        else if (finding.verdict == Verdict::NoVerseText)
            ++summary.noVerseText;
        else if (finding.verdict == Verdict::NoContentWords)
            ++summary.noContentWords;
        else
            ++summary.suspects;
    }
    return summary;
}

bool ReferenceCheck::holds(const QStringList& answer, const QSet<QString>& text,
                           QStringList* matched)
{
    QStringList found;
    for (const QString& key : answer) {
        if (text.contains(key))
            found.append(key);
    }
    const qsizetype needed = answer.size() < 3 ? answer.size() : (2 * answer.size() + 2) / 3;
    const bool held = !answer.isEmpty() && found.size() >= needed;
    if (held && matched)
        *matched = found;
    return held;
}

std::vector<ReferenceCheck::Finding> ReferenceCheck::check(const std::vector<Question>& questions,
                                                           const Progress& progress) const
{
    std::vector<Finding> findings(questions.size());
    std::vector<Target> targets(questions.size());
    std::vector<std::array<QStringList, 4>> keys(questions.size());
    std::vector<std::size_t> pending;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        const Question& question = questions[i];
        Finding& finding = findings[i];
        finding.number = question.number;
        finding.reference =
            (question.written.isEmpty() ? question.reference : question.written).trimmed();
        finding.shown = finding.reference;
        for (int letter = 0; letter < 4; ++letter)
            keys[i][std::size_t(letter)] =
                WordKeys::contentKeys(question.answers[std::size_t(letter)], m_language);

        // The editor reads a Bible book's reference without its book name and
        // takes the book from the line; without one, the name is all there is.
        const auto reference = ScriptureReference::parse(
            question.book < 0 && !question.written.isEmpty() ? question.written
                                                             : question.reference);
        if (question.book >= 0 && !IsBibleBook(question.book))
            continue; // a catechism or general question
        if (!reference || reference->wholeChapter())
            continue;
        Target& target = targets[i];
        target.chapter = reference->chapter;
        target.first = reference->firstVerse;
        target.last = reference->lastVerse;
        if (reference->bookName.isEmpty()) {
            if (question.book < 0)
                continue;
            target.book = question.book;
            const auto written = ScriptureReference::parse(finding.reference);
            // Named with its book unless the file names it already.
            if (!written || written->bookName.isEmpty())
                finding.shown =
                    QString::fromLatin1(BookAbbreviation(question.book)) + u' ' + finding.reference;
        } else {
            target.book = ScriptureReference::bookTableIndex(reference->bookName);
            if (target.book >= 0 && !IsBibleBook(target.book))
                continue;
            if (target.book < 0)
                target.bookName = reference->bookName.simplified().toCaseFolded();
        }
        if (question.correct < 0 || question.correct > 3 ||
            keys[i][std::size_t(question.correct)].isEmpty()) {
            finding.verdict = Verdict::NoContentWords;
            continue;
        }
        pending.push_back(i);
    }
    // Grouped by chapter, so each is read and folded once.
    std::stable_sort(pending.begin(), pending.end(),
                     [&targets](std::size_t a, std::size_t b) { return targets[a] < targets[b]; });

    std::vector<ChapterVerse> chapter; // verse n at n - 1
    QString chapterTitle;
    const Target* read = nullptr;
    int done = int(questions.size() - pending.size());
    for (std::size_t i : pending) {
        const Target& target = targets[i];
        if (!read || !read->sameChapter(target)) {
            read = &target;
            chapter.clear();
            const QString name = target.book >= 0 ? QString() : target.bookName + u' ';
            const Passage passage =
                m_bible.passage(name + QString::number(target.chapter), target.book);
            if (passage.outcome == Passage::Outcome::Found) {
                chapterTitle = passage.title;
                for (const Passage::Verse& verse : passage.verses)
                    chapter.push_back({verse.text, keySet(verse.text, m_language)});
            }
        }
        if (progress && !progress(++done))
            return {};
        Finding& finding = findings[i];
        const int verses = int(chapter.size());
        if (target.first < 1 || target.last > verses)
            continue; // the module has no such verse
        const Question& question = questions[i];
        const QStringList& right = keys[i][std::size_t(question.correct)];
        QSet<QString> cited;
        QStringList texts;
        for (int verse = target.first; verse <= target.last; ++verse) {
            cited.unite(chapter[std::size_t(verse - 1)].keys);
            texts.append(chapter[std::size_t(verse - 1)].text);
        }
        finding.verseTitle = chapterTitle + u':' + versePart(target.first, target.last);
        finding.verse = texts.join(u' ');
        if (holds(right, cited, &finding.matched)) {
            finding.verdict = Verdict::Fine;
            continue;
        }
        // The nearest neighbour first, the earlier of two as near.
        bool nearby = false;
        for (int distance = 1; distance <= Neighbourhood && !nearby; ++distance) {
            for (const int verse : {target.first - distance, target.last + distance}) {
                if (verse < 1 || verse > verses)
                    continue;
                const ChapterVerse& neighbour = chapter[std::size_t(verse - 1)];
                if (holds(right, neighbour.keys, &finding.matched)) {
                    finding.verdict = Verdict::Nearby;
                    finding.suggestion = withVerse(finding.reference, verse);
                    finding.shownSuggestion = withVerse(finding.shown, verse);
                    finding.foundTitle = chapterTitle + u':' + QString::number(verse);
                    finding.foundVerse = neighbour.text;
                    nearby = true;
                    break;
                }
            }
        }
        if (nearby)
            continue;
        qsizetype mostMatched = 0;
        for (int letter = 0; letter < 4; ++letter) {
            QStringList matched;
            if (letter != question.correct &&
                holds(keys[i][std::size_t(letter)], cited, &matched) &&
                matched.size() > mostMatched) {
                mostMatched = matched.size();
                finding.verdict = Verdict::OtherLetter;
                finding.namedLetter = letter;
                finding.matched = matched;
            }
        }
        if (finding.verdict != Verdict::OtherLetter)
            finding.verdict = Verdict::NotFound;
    }
    if (progress && !progress(int(questions.size())))
        return {};
    return findings;
}
