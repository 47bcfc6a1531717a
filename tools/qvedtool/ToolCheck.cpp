#include "ToolCheck.h"

#include "BuilderLibrary.h"
#include "QuestionFileChunks.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "ValidationTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

    QuestionFileChunks chunks;
    if (!chunks.open(file))
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
    return ToolCheck(chunks, table, validate, out).checkAll();
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

// Question lines run to about 170 bytes; the index grows if they are
// shorter.
ToolCheck::ToolCheck(QuestionFileChunks& file, const ValidationTable& table, bool validate,
                     Utf8Output& out)
    : m_file(file), m_table(table), m_validate(validate), m_out(out),
      m_firstWithText(file.sizeHint() / 160)
{
}

int ToolCheck::checkAll()
{
    // Whether a question repeats an earlier one is asked as the checked
    // chunks are written, in file order.
    const bool read = m_file.forEachChunk<QuestionChecker::Block>(
        [this](const QuestionFileChunks::Chunk& chunk, QuestionChecker::Block& block) {
            QuestionChecker(m_table, m_validate).checkChunk(chunk, block);
        },
        [this](const QuestionFileChunks::Chunk& chunk, const QuestionChecker::Block& block) {
            writeChunk(chunk, block);
        });
    if (!read)
        return ToolCommandLine::Failure;

    m_out.raw("checked: ");
    m_out.number(m_file.count());
    m_out.raw(" questions, ");
    m_out.number(m_withProblems);
    m_out.raw(" with problems\n");
    if (!m_out.flush())
        return ToolCommandLine::Failure;
    return m_withProblems > 0 ? ToolCommandLine::ProblemsFound : ToolCommandLine::Success;
}

void ToolCheck::writeChunk(const QuestionFileChunks::Chunk& chunk,
                           const QuestionChecker::Block& block)
{
    // In a table of millions the wait for memory would dominate: the slot of
    // a question further on is loaded while this one is looked up.
    constexpr std::size_t ahead = 8;
    const auto& questions = block.questions;
    qsizetype textStart = 0;
    for (std::size_t i = 0; i < questions.size(); ++i) {
        if (i + ahead < questions.size())
            m_firstWithText.prefetch(questions[i + ahead].textHash);
        const QuestionChecker::Checked& q = questions[i];
        const int number = chunk.firstIndex + int(i) + 1;
        if (q.textEnd != textStart) {
            m_out.raw(block.text.view().sliced(textStart, q.textEnd - textStart));
            textStart = q.textEnd;
        }
        bool problem = q.hasProblem;
        if (q.hasQuestion) {
            const QByteArrayView line = chunk.line(int(i));
            const int earlier = m_firstWithText.findOrAdd(
                q.textHash, number, chunk.lineOffset(int(i)),
                [&](qint64 earlierOffset) { return sameTexts(line, earlierOffset); });
            if (earlier > 0) {
                m_out.number(number);
                m_out.raw(": same question as ");
                m_out.number(earlier);
                m_out.raw('\n');
                problem = true;
            }
        }
        if (problem)
            ++m_withProblems;
    }
}

bool ToolCheck::sameTexts(QByteArrayView line, qint64 earlierOffset)
{
    // Asked only when the hashes agree, so mostly for true repeats; the
    // earlier line is read again, its chunk long gone.
    ClearQuestionRecord(m_record);
    DecodeQuestionLine(line, m_record, DecodeMode::Full);
    ClearQuestionRecord(m_probe);
    try {
        DecodeQuestionLine(m_file.lineAt(earlierOffset), m_probe, DecodeMode::Full);
    } catch (const QvedError&) {
        // The file changed while it was read: not a line that repeats.
        return false;
    }
    return m_probe.Question == m_record.Question && m_probe.AnswerA == m_record.AnswerA &&
           m_probe.AnswerB == m_record.AnswerB && m_probe.AnswerC == m_record.AnswerC &&
           m_probe.AnswerD == m_record.AnswerD;
}
