#include "ToolStats.h"

#include "BookTable.h"
#include "QuestionFileReader.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"

#include <QCommandLineParser>

namespace {

const QString LevelNames[] = {QStringLiteral("Single"), QStringLiteral("Double"),
                              QStringLiteral("Triple"), QStringLiteral("Home Run")};
const QString NoValue = QStringLiteral("(none)");
constexpr int NameWidth = 10;

// Index into a count table whose last entry stands for "none".
int slot(int value, int size)
{
    return value >= 0 && value < size ? value : size;
}

} // namespace

int ToolStats::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Counts the questions of FILE by book, by level and by correct answer, and gives each "
        "letter's share of the questions that have a correct answer A to D. A value that is "
        "missing or outside its list counts as (none); lines that do not decode are counted "
        "apart."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("stats FILE"));
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    ToolStats stats;
    stats.count(list);
    Utf8Output out;
    stats.write(out);
    return out.flush() ? ToolCommandLine::Success : ToolCommandLine::Failure;
}

void ToolStats::count(const QuestionList& list)
{
    QuestionRecord record;
    m_counts.questions = list.count();
    for (int i = 0; i < list.count(); ++i) {
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(list.line(i), record, DecodeMode::QuestionOnly);
        } catch (const QvedError&) {
            ++m_counts.notDecoded;
            continue;
        }
        ++m_counts.books[std::size_t(slot(record.Book, BookCount))];
        ++m_counts.levels[std::size_t(slot(record.Level, Choices))];
        ++m_counts.letters[std::size_t(slot(record.Correct, Choices))];
    }
    m_countWidth = int(QString::number(m_counts.questions).size());
}

void ToolStats::row(Utf8Output& out, const QString& name, int count) const
{
    out.text(QStringLiteral("  %1 %2").arg(name, -NameWidth).arg(count, m_countWidth));
}

void ToolStats::write(Utf8Output& out) const
{
    out.text(QStringLiteral("questions: %1\n").arg(m_counts.questions));

    out.raw("by book:\n");
    for (int book = 0; book <= BookCount; ++book) {
        // Books without questions would only hide the others.
        if (m_counts.books[std::size_t(book)] == 0)
            continue;
        row(out, book < BookCount ? QString::fromLatin1(BookAbbreviation(book)) : NoValue,
            m_counts.books[std::size_t(book)]);
        out.raw('\n');
    }

    out.raw("by level:\n");
    for (int level = 0; level <= Choices; ++level) {
        if (level == Choices && m_counts.levels[Choices] == 0)
            continue;
        row(out, level < Choices ? LevelNames[level] : NoValue,
            m_counts.levels[std::size_t(level)]);
        out.raw('\n');
    }

    out.raw("by correct answer:\n");
    int lettered = 0;
    for (int letter = 0; letter < Choices; ++letter)
        lettered += m_counts.letters[std::size_t(letter)];
    for (int letter = 0; letter <= Choices; ++letter) {
        const int count = m_counts.letters[std::size_t(letter)];
        if (letter == Choices) {
            if (count > 0) {
                row(out, NoValue, count);
                out.raw('\n');
            }
            continue;
        }
        row(out, QString(QChar(u'A' + letter)), count);
        const double share = lettered > 0 ? 100.0 * count / lettered : 0.0;
        out.text(QStringLiteral(" %1%\n").arg(share, 6, 'f', 1));
    }

    if (m_counts.notDecoded > 0)
        out.text(QStringLiteral("not decoded: %1\n").arg(m_counts.notDecoded));
}
