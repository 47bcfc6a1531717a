// SPDX-License-Identifier: GPL-2.0-or-later
#include "ToolSpell.h"

#include "BibleLookup.h"
#include "QuestionFileReader.h"
#include "QuestionLineCodec.h"
#include "QvedError.h"
#include "SpellChecker.h"
#include "ToolBibleOptions.h"
#include "ToolCommandLine.h"
#include "Utf8Output.h"
#include "Windows1252.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

// A byte no question text holds: a control character other than the tab,
// or one of the five the code page leaves undefined. Binary input decodes
// into fields of such bytes, with no word in them to find wrong. -1 when
// the line has none.
qsizetype firstNonTextByte(QByteArrayView line)
{
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto byte = uchar(line[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F || byte == 0x81 || byte == 0x8D ||
            byte == 0x8F || byte == 0x90 || byte == 0x9D)
            return i;
    }
    return -1;
}

} // namespace

int ToolSpell::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "ToolSpell",
        "Lists each misspelt word of the questions and answers of FILE as \"N: FIELD: word\", "
        "and each line that does not decode as \"N: problem\", then how many questions and "
        "words there were. Words of the Bible module and of the author's own list pass; "
        "--language es checks with es_ES and the words of the Reina-Valera 1909. Exit "
        "status 1 when any word is misspelt or any line does not decode."));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QCoreApplication::translate("ToolSpell", "The question file."),
                                 QStringLiteral("spell FILE"));
    const QCommandLineOption dictionaryOption(
        QStringLiteral("dictionary"),
        QCoreApplication::translate(
            "ToolSpell", "A Hunspell .dic file (its .aff beside it) or a language such as en_GB; "
                         "by default the language's, en_US (or es_ES with --language es)."),
        QStringLiteral("PATH"));
    parser.addOption(dictionaryOption);
    const ToolBibleOptions bibleOptions(parser);
    // Hunspell takes a good part of a second to suggest for a word it has
    // never seen: a bank of invented words would take many minutes.
    const QCommandLineOption suggestionsOption(
        QStringLiteral("suggestions"),
        QCoreApplication::translate(
            "ToolSpell", "Up to five suggestions after each word: \"N: FIELD: word (a, b)\"."));
    parser.addOption(suggestionsOption);
    QString file;
    if (const auto stop = ToolCommandLine::parse(parser, arguments, file))
        return *stop;
    if (const auto stop = bibleOptions.refusal(QStringLiteral("spell")))
        return *stop;

    SpellChecker checker;
    const BibleLanguage::Language language = bibleOptions.language();
    const QString dictionary = parser.isSet(dictionaryOption) ? parser.value(dictionaryOption)
                                                              : BibleLanguage::dictionary(language);
    if (!checker.loadDictionary(dictionary)) {
        const QString missing = language == BibleLanguage::English
                                    ? SpellChecker::noDictionaryMessage()
                                    : BibleLanguage::missingDictionaryMessage(language);
        Utf8Output::error(
            parser.isSet(dictionaryOption)
                ? QCoreApplication::translate("ToolSpell",
                                              "qvedtool spell: cannot read the dictionary '%1'.")
                      .arg(dictionary)
                : QCoreApplication::translate("ToolSpell", "qvedtool spell: ") + missing);
        return ToolCommandLine::Failure;
    }
    BibleLookup bible;
    // Without any Bible, English spelling still goes on, as it always has.
    const bool needsBible =
        bible.available() || bibleOptions.moduleNamed() || language != BibleLanguage::English;
    if (needsBible && !bibleOptions.chooseModule(bible, QStringLiteral("spell")))
        return ToolCommandLine::Failure;
    checker.addAuthorLists(bible);

    QuestionList list;
    if (!QuestionFileReader::read(file, list))
        return ToolCommandLine::Failure;
    const bool suggest = parser.isSet(suggestionsOption);
    Utf8Output out;
    int misspelt = 0;
    int undecoded = 0;
    QuestionRecord record;
    for (int i = 0; i < list.count(); ++i) {
        ClearQuestionRecord(record);
        // Its words cannot be checked: that is no clean bill.
        QString problem;
        try {
            DecodeQuestionLine(list.line(i), record, DecodeMode::Full);
            if (const qsizetype at = firstNonTextByte(list.line(i)); at >= 0)
                problem =
                    QCoreApplication::translate("ToolSpell", "byte 0x%1 at column %2 is no text")
                        .arg(uchar(list.line(i)[at]), 2, 16, QLatin1Char('0'))
                        .arg(at + 1);
        } catch (const QvedError& e) {
            problem = e.message();
        }
        if (!problem.isEmpty()) {
            ++undecoded;
            out.text(QStringLiteral("%1: %2\n").arg(i + 1).arg(problem));
            continue;
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
                out.text(QStringLiteral("%1: %2: %3")
                             .arg(i + 1)
                             .arg(QLatin1StringView(name), wrong.word));
                const QStringList suggestions =
                    suggest ? checker.suggestions(wrong.word) : QStringList();
                if (!suggestions.isEmpty())
                    out.text(QStringLiteral(" (%1)").arg(suggestions.join(QStringLiteral(", "))));
                out.raw("\n");
            }
        }
    }
    out.text(
        QStringLiteral("checked: %1 questions, %2 misspelt words").arg(list.count()).arg(misspelt));
    if (undecoded > 0)
        out.text(QStringLiteral(", %1 lines that do not decode").arg(undecoded));
    out.raw("\n");
    if (!out.flush())
        return ToolCommandLine::Failure;
    return misspelt > 0 || undecoded > 0 ? ToolCommandLine::ProblemsFound
                                         : ToolCommandLine::Success;
}
