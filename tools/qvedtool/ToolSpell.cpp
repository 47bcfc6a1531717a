#include "ToolSpell.h"

#include "BibleLookup.h"
#include "QuestionFileReader.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "SpellChecker.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "Windows1252.h"

#include <QCommandLineParser>

int ToolSpell::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Lists each misspelt word of the questions and answers of FILE as \"N: FIELD: word "
        "(suggestions)\", then how many questions and words there were. Words of the Bible "
        "module and of the author's own list pass. Exit status 1 when any word is misspelt."));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The question file."),
                                 QStringLiteral("spell FILE"));
    const QCommandLineOption dictionaryOption(
        QStringLiteral("dictionary"),
        QStringLiteral("A Hunspell .dic file (its .aff beside it) or a language such as en_GB; "
                       "en_US by default."),
        QStringLiteral("PATH"));
    parser.addOption(dictionaryOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;

    SpellChecker checker;
    const QString dictionary =
        parser.isSet(dictionaryOption) ? parser.value(dictionaryOption) : QStringLiteral("en_US");
    if (!checker.loadDictionary(dictionary)) {
        Utf8Output::error(
            parser.isSet(dictionaryOption)
                ? QStringLiteral("qvedtool spell: cannot read the dictionary '%1'.").arg(dictionary)
                : QStringLiteral("qvedtool spell: ") + SpellChecker::noDictionaryMessage());
        return ToolCommandLine::Failure;
    }
    checker.addAuthorLists(BibleLookup());

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    Utf8Output out;
    int misspelt = 0;
    QuestionRecord record;
    for (int i = 0; i < list.count(); ++i) {
        ClearQuestionRecord(record);
        try {
            DecodeQuestionLine(list.line(i), record, DecodeMode::Full);
        } catch (const QvedError&) {
            continue; // "check" reports lines that do not decode
        }
        const std::pair<const char*, QByteArrayView> fields[] = {
            {"Question", record.Question.view()},
            {"AnswerA", record.AnswerA.view()},
            {"AnswerB", record.AnswerB.view()},
            {"AnswerC", record.AnswerC.view()},
            {"AnswerD", record.AnswerD.view()}};
        for (const auto& [name, text] : fields) {
            for (const auto& wrong : checker.misspellings(Windows1252::toUnicode(text))) {
                ++misspelt;
                const QStringList suggestions = checker.suggestions(wrong.word);
                out.text(QStringLiteral("%1: %2: %3")
                             .arg(i + 1)
                             .arg(QLatin1StringView(name), wrong.word));
                if (!suggestions.isEmpty())
                    out.text(QStringLiteral(" (%1)").arg(suggestions.join(QStringLiteral(", "))));
                out.raw("\n");
            }
        }
    }
    out.text(QStringLiteral("checked: %1 questions, %2 misspelt words\n")
                 .arg(list.count())
                 .arg(misspelt));
    if (!out.flush())
        return ToolCommandLine::Failure;
    return misspelt > 0 ? ToolCommandLine::ProblemsFound : ToolCommandLine::Success;
}
