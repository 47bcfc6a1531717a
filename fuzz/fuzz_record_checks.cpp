// Any bytes as one question line, decoded in full: the record checks on its
// texts as the panel would show them and on the same texts as the file's
// bytes must agree on every line of the report, or on the error they throw.
#include "BuilderLibrary.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "RecordChecks.h"
#include "ValidationTable.h"
#include "Windows1252.h"

#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

ValidationTable& table()
{
    static ValidationTable counts = [] {
        ValidationTable made;
        QTemporaryDir folder;
        if (!folder.isValid() ||
            made.LoadValTable(folder.path() + u'/', BuilderLibrary()) !=
                ValidationTable::LoadOutcome::Loaded) {
            std::fputs("the builder library wrote no validation table\n", stderr);
            std::abort();
        }
        return made;
    }();
    return counts;
}

template <typename Panel>
QString outcomeOf(const Panel& panel)
{
    try {
        const CheckOutcome outcome = CheckRecord(panel, table());
        return QString::fromLatin1(outcome.passed ? "passed\n" : "failed\n") + outcome.report;
    } catch (const QvedError& error) {
        return QStringLiteral("error: ") + error.message();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QuestionRecord record;
    try {
        DecodeQuestionLine(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)),
                           record, DecodeMode::Full);
    } catch (const QvedError&) {
        return 0;
    }
    // Level and letter as any value, so both sides see the same numbers.
    PanelBytes bytes;
    bytes.book = record.Book;
    bytes.validate = true;
    bytes.level = record.Level;
    bytes.correct = record.Correct;
    bytes.reference = record.Reference.view();
    bytes.question = record.Question.view();
    bytes.answerA = record.AnswerA.view();
    bytes.answerB = record.AnswerB.view();
    bytes.answerC = record.AnswerC.view();
    bytes.answerD = record.AnswerD.view();

    PanelValues texts;
    texts.book = bytes.book;
    texts.validate = true;
    texts.level = bytes.level;
    texts.correct = bytes.correct;
    texts.reference = Windows1252::toUnicode(bytes.reference);
    texts.question = Windows1252::toUnicode(bytes.question);
    texts.answerA = Windows1252::toUnicode(bytes.answerA);
    texts.answerB = Windows1252::toUnicode(bytes.answerB);
    texts.answerC = Windows1252::toUnicode(bytes.answerC);
    texts.answerD = Windows1252::toUnicode(bytes.answerD);

    const QString asBytes = outcomeOf(bytes);
    const QString asTexts = outcomeOf(texts);
    if (asBytes != asTexts) {
        std::fprintf(stderr, "as texts:\n%s\nas bytes:\n%s\n", qPrintable(asTexts),
                     qPrintable(asBytes));
        std::abort();
    }
    return 0;
}
