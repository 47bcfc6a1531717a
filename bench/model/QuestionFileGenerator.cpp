// SPDX-License-Identifier: GPL-2.0-or-later
#include "QuestionFileGenerator.h"

#include "BookTable.h"
#include "BuilderLibrary.h"
#include "QuestionLineCodec.h"

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace {

const char* const openings[] = {"Who", "What", "Where", "Which", "How many", "Why", "When"};
const char* const words[] = {
    "king",    "prophet", "people",   "city",    "temple",   "river",   "mountain", "servant",
    "brother", "son",     "daughter", "wife",    "LORD",     "Israel",  "Egypt",    "Jerusalem",
    "gold",    "silver",  "bread",    "water",   "fire",     "cloud",   "sheep",    "shepherd",
    "sword",   "altar",   "covenant", "law",     "spirit",   "word",    "house",    "land",
    "did",     "the",     "the",      "of",      "in",       "to",      "and",      "was",
    "when",    "said",    "gave",     "came",    "went",     "built",   "called",   "sent",
    "first",   "last",    "great",    "holy",    "seven",    "twelve",  "forty",    "three",
};
const char* const names[] = {
    "Abraham", "Isaac",  "Jacob",   "Joseph", "Moses",  "Aaron",    "Joshua", "Gideon",
    "Samuel",  "David",  "Solomon", "Elijah", "Elisha", "Isaiah",   "Daniel", "Esther",
    "Ruth",    "Naomi",  "Peter",   "Andrew", "James",  "John",     "Paul",   "Barnabas",
    "Timothy", "Silas",  "Mary",    "Martha", "Lazarus", "Nicodemus", "Jonah", "Nehemiah",
};

template <typename T, std::size_t N>
const T& pick(QRandomGenerator& random, const T (&items)[N])
{
    return items[random.bounded(int(N))];
}

} // namespace

QuestionFileGenerator::QuestionFileGenerator(quint32 seed) : m_random(seed)
{
    QTemporaryDir folder;
    if (!folder.isValid() ||
        m_counts.LoadValTable(folder.path() + u'/', BuilderLibrary()) !=
            ValidationTable::LoadOutcome::Loaded)
        throw std::runtime_error("the builder library wrote no validation table");
}

QByteArray QuestionFileGenerator::sentence(int minLength, int maxLength, char end)
{
    const int length = minLength + m_random.bounded(maxLength - minLength + 1);
    QByteArray text = pick(m_random, openings);
    while (text.size() < length) {
        const char* word = m_random.bounded(5) == 0 ? pick(m_random, names) : pick(m_random, words);
        if (text.size() + 1 + qsizetype(qstrlen(word)) > maxLength - 1)
            break;
        text += ' ';
        text += word;
    }
    text += end;
    return text;
}

QByteArray QuestionFileGenerator::answer()
{
    QByteArray text = pick(m_random, names);
    if (m_random.bounded(5) < 3) {
        text += " and ";
        text += pick(m_random, names);
    }
    return text;
}

QByteArray QuestionFileGenerator::bibleReference(int book)
{
    const int chapter = 1 + m_random.bounded(int(m_counts.ChapterCount(book)));
    const int verses = m_counts.VerseCount(book, chapter);
    const int verse = 1 + m_random.bounded(verses);
    QByteArray reference = QByteArray::number(chapter) + ':' + QByteArray::number(verse);
    if (verse < verses && m_random.bounded(4) == 0)
        reference += '-' + QByteArray::number(verse + 1 + m_random.bounded(verses - verse));
    return reference;
}

QByteArray QuestionFileGenerator::nextLine()
{
    const int roll = m_random.bounded(100);
    const int book = roll < 3 ? CatechismBook : roll < 6 ? OtherBook : m_random.bounded(BibleBookCount);
    const QByteArray reference = IsBibleBook(book)
                                     ? bibleReference(book)
                                     : (book == CatechismBook ? "Q. " : "Trivia ") +
                                           QByteArray::number(1 + m_random.bounded(150));
    const QByteArray question = sentence(64, 90, '?');
    const QByteArray a = answer(), b = answer(), c = answer(), d = answer();
    return EncodeQuestionLine(book, m_random.bounded(4), m_random.bounded(4), reference, question,
                              a, b, c, d);
}

QByteArray QuestionFileGenerator::content(int questions)
{
    QByteArray text;
    text.reserve(qsizetype(questions) * 176);
    for (int i = 0; i < questions; ++i) {
        text += nextLine();
        text += "\r\n";
    }
    return text;
}

bool QuestionFileGenerator::writeFile(const QString& path, int questions)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    constexpr int piece = 10000;
    for (int done = 0; done < questions; done += piece) {
        const QByteArray text = content(std::min(piece, questions - done));
        if (file.write(text) != text.size())
            return false;
    }
    return file.flush();
}
