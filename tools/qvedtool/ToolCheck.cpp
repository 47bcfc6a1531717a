#include "ToolCheck.h"

#include "BookTable.h"
#include "BuilderLibrary.h"
#include "IntegerConversion.h"
#include "QuestionFileReader.h"
#include "QuestionList.h"
#include "QvedError.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

namespace {

// The radio groups of the panel: a value beyond the last item shows the last
// item, a negative one none.
int choiceIndex(int value, int items)
{
    if (value >= items)
        return items - 1;
    return value < 0 ? -1 : value;
}

constexpr int ChoiceCount = 4;
// A level or letter value that decoding never leaves where a field was read
// over a value of -1.
constexpr qint16 Unread = -2;

} // namespace

int ToolCheck::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs the question editor's checks on every question of FILE, as the editor's panel "
        "would show it, and lists each problem as \"N: problem\". Also lists what the editor "
        "would refuse to store (a level outside 1 to 4, a correct answer outside A to D, a book "
        "number outside 1 to 68, a field holding a double quote) and questions whose question "
        "and four answers repeat an earlier one. Exit status 1 when a problem was found."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("check FILE"));
    const QCommandLineOption noValidate(
        QStringLiteral("no-validate"),
        QStringLiteral("Do not check chapters and verses against the validation table."));
    const QCommandLineOption tableOption(
        QStringLiteral("table"),
        QStringLiteral("The validation table file to use instead of the one beside the program."),
        QStringLiteral("PATH"));
    parser.addOption(noValidate);
    parser.addOption(tableOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;

    ValidationTable table;
    const bool validate = !parser.isSet(noValidate);
    if (validate && parser.isSet(tableOption)) {
        if (!loadGivenTable(parser.value(tableOption), table))
            return ToolCommandLine::Failure;
    } else if (validate) {
        // As the editor: without its table it checks everything but
        // chapters and verses.
        const auto outcome = table.LoadValTable(ProgramFolder(), BuilderLibrary());
        if (outcome != ValidationTable::LoadOutcome::Loaded)
            Utf8Output::error(ValidationTable::message(outcome));
    }

    Utf8Output out(1);
    return ToolCheck(list, table, validate, out).checkAll();
}

bool ToolCheck::loadGivenTable(const QString& path, ValidationTable& table)
{
    // The loader reads the table under its own name from a folder, so the
    // given file is copied under that name into a folder of its own.
    const QTemporaryDir folder;
    const QString copy = folder.filePath(ValidationTable::FileName);
    if (!folder.isValid() || !QFile::copy(path, copy)) {
        Utf8Output::error(QvedError::cannotOpenFile(path).message());
        return false;
    }
    const auto outcome = table.LoadValTable(QDir::toNativeSeparators(folder.path() + u'/'), {});
    if (outcome != ValidationTable::LoadOutcome::Loaded) {
        Utf8Output::error(path + QStringLiteral(": ") + ValidationTable::message(outcome));
        return false;
    }
    return true;
}

ToolCheck::ToolCheck(const QuestionList& list, const ValidationTable& table, bool validate,
                     Utf8Output& out)
    : m_list(list), m_table(table), m_validate(validate), m_out(out), m_firstWithText(list.count())
{
}

int ToolCheck::checkAll()
{
    int withProblems = 0;
    for (int index = 0; index < m_list.count(); ++index) {
        if (checkQuestion(index))
            ++withProblems;
    }
    m_out.raw("checked: ");
    m_out.number(m_list.count());
    m_out.raw(" questions, ");
    m_out.number(withProblems);
    m_out.raw(" with problems\n");
    if (!m_out.flush())
        return ToolCommandLine::Failure;
    return withProblems > 0 ? ToolCommandLine::ProblemsFound : ToolCommandLine::Success;
}

bool ToolCheck::checkQuestion(int index)
{
    const int number = index + 1;
    const QByteArrayView line = m_list.line(index);
    m_found = false;
    // A cleared record for every line: a short line never shows the fields
    // of the line above it.
    ClearQuestionRecord(m_record);
    try {
        DecodeQuestionLine(line, m_record, DecodeMode::Full);
    } catch (const QvedError& e) {
        report(number, e.message());
        return true;
    }
    const size_t textHash = hashOfTexts();
    m_firstWithText.prefetch(textHash);
    checkRecord(number);
    checkStoredValues(number, line);
    checkRepeated(index, textHash);
    return m_found;
}

void ToolCheck::checkRecord(int number)
{
    const QuestionRecord& r = m_record;
    m_panel.book = r.Book >= 0 && r.Book < BookCount ? r.Book : -1;
    m_panel.reference = Windows1252::toUnicode(r.Reference.view());
    m_panel.validate = m_validate && IsBibleBook(r.Book);
    m_panel.level = choiceIndex(r.Level, ChoiceCount);
    m_panel.correct = choiceIndex(r.Correct, ChoiceCount);
    m_panel.question = Windows1252::toUnicode(r.Question.view());
    m_panel.answerA = Windows1252::toUnicode(r.AnswerA.view());
    m_panel.answerB = Windows1252::toUnicode(r.AnswerB.view());
    m_panel.answerC = Windows1252::toUnicode(r.AnswerC.view());
    m_panel.answerD = Windows1252::toUnicode(r.AnswerD.view());

    CheckOutcome outcome;
    try {
        outcome = CheckRecord(m_panel, m_table);
    } catch (const QvedError& e) {
        // The editor stops at a reference it cannot read; the rest of the
        // checks still tell the author what else to fix.
        report(number, e.message());
        m_panel.validate = false;
        outcome = CheckRecord(m_panel, m_table);
    }
    if (outcome.passed)
        return;
    const QStringView lines = QStringView(outcome.report).sliced(CheckReportHeading.size());
    for (const QStringView problem : lines.tokenize(u"\r\n", Qt::SkipEmptyParts))
        report(number, problem);
}

void ToolCheck::checkStoredValues(int number, QByteArrayView line)
{
    const QuestionRecord& r = m_record;
    const QByteArrayView code = r.CanonicalNbr.view();
    std::optional<qint32> bookNumber;
    // Decoding reads the book number from the field's first three characters
    // only (C123 files under book 12), so a longer field is read whole.
    if (code.size() == r.CanonicalNbr.capacity()) {
        const QByteArrayView field = firstField(line);
        if (field.size() > code.size())
            bookNumber = ParseInteger(QString::fromLatin1(field.sliced(1)));
    }
    // Book numbers 1 to 67 decode to 0 to 66. From 67 up the index may come
    // from 68, from a number above it or from one of 0 or below, so only
    // there the number itself is read again.
    if (!bookNumber && r.Book >= OtherBook)
        bookNumber = StrToInt(code.sliced(1));
    if (bookNumber && (*bookNumber < 1 || *bookNumber > BookCount))
        report(number,
               QStringLiteral("book number %1 is outside 1 to %2").arg(*bookNumber).arg(BookCount));
    if ((r.Level < 0 || r.Level >= ChoiceCount) &&
        (r.Level != -1 || hasField(line, &QuestionRecord::Level)))
        report(number, QStringLiteral("level %1 is outside 1 to 4").arg(r.Level + 1));
    if ((r.Correct < 0 || r.Correct >= ChoiceCount) &&
        (r.Correct != -1 || hasField(line, &QuestionRecord::Correct))) {
        const char letter = char(r.Correct + 'A');
        report(number, QStringLiteral("correct answer '%1' is outside A to D")
                           .arg(Windows1252::toUnicode(QByteArrayView(&letter, 1))));
    }
}

QByteArrayView ToolCheck::firstField(QByteArrayView line)
{
    const qsizetype open = line.indexOf('"');
    const qsizetype close = open < 0 ? -1 : line.indexOf('"', open + 1);
    return close < 0 ? QByteArrayView() : line.sliced(open + 1, close - open - 1);
}

bool ToolCheck::hasField(QByteArrayView line, qint16 QuestionRecord::*field)
{
    ClearQuestionRecord(m_probe);
    m_probe.*field = Unread;
    DecodeQuestionLine(line, m_probe, DecodeMode::QuestionOnly);
    return m_probe.*field != Unread;
}

size_t ToolCheck::hashOfTexts() const
{
    const QuestionRecord& r = m_record;
    return qHashMulti(0, r.Question.view(), r.AnswerA.view(), r.AnswerB.view(), r.AnswerC.view(),
                      r.AnswerD.view());
}

void ToolCheck::checkRepeated(int index, size_t textHash)
{
    const QuestionRecord& r = m_record;
    // A line without a question has been reported as such; it repeats nothing.
    if (r.Question.isEmpty())
        return;
    const int earlier = m_firstWithText.findOrAdd(textHash, index, [&](int other) {
        ClearQuestionRecord(m_probe);
        DecodeQuestionLine(m_list.line(other), m_probe, DecodeMode::Full);
        return m_probe.Question == r.Question && m_probe.AnswerA == r.AnswerA &&
               m_probe.AnswerB == r.AnswerB && m_probe.AnswerC == r.AnswerC &&
               m_probe.AnswerD == r.AnswerD;
    });
    if (earlier >= 0)
        report(index + 1, QStringLiteral("same question as %1").arg(earlier + 1));
}

void ToolCheck::report(int number, QStringView problem)
{
    m_found = true;
    m_out.number(number);
    m_out.raw(": ");
    m_out.text(problem);
    m_out.raw('\n');
}
