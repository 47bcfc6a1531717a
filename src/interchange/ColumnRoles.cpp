// SPDX-License-Identifier: GPL-2.0-or-later
#include "ColumnRoles.h"

#include <QHash>

namespace {

// Lower case letters and digits only: "Answer A", "answer_a" and "ANSWERA"
// are one name.
QString foldedName(QStringView name)
{
    QString result;
    result.reserve(name.size());
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            result += c.toLower();
    }
    return result;
}

const QHash<QString, ColumnRole>& namedRoles()
{
    static const QHash<QString, ColumnRole> roles = [] {
        QHash<QString, ColumnRole> result;
        auto add = [&result](std::initializer_list<const char*> names, ColumnRole role) {
            for (const char* name : names)
                result.insert(QString::fromLatin1(name), role);
        };
        add({"question", "questiontext", "prompt"}, ColumnRole::Question);
        add({"a", "answera", "optiona", "choicea", "option1", "choice1", "answer1"},
            ColumnRole::AnswerA);
        add({"b", "answerb", "optionb", "choiceb", "option2", "choice2", "answer2"},
            ColumnRole::AnswerB);
        add({"c", "answerc", "optionc", "choicec", "option3", "choice3", "answer3"},
            ColumnRole::AnswerC);
        add({"d", "answerd", "optiond", "choiced", "option4", "choice4", "answer4"},
            ColumnRole::AnswerD);
        add({"correct", "answer", "correctanswer", "rightanswer"}, ColumnRole::Correct);
        add({"reference", "ref", "verse", "scripture"}, ColumnRole::Reference);
        add({"book", "bookabbreviation"}, ColumnRole::Book);
        add({"chapter"}, ColumnRole::Chapter);
        add({"level", "difficulty"}, ColumnRole::Level);
        add({"title", "name", "category", "tags", "tag"}, ColumnRole::Title);
        return result;
    }();
    return roles;
}

} // namespace

QList<ColumnRole> ColumnRoles::fromHeader(const QStringList& header, bool* recognised)
{
    QStringList names;
    for (const QString& cell : header)
        names.append(foldedName(cell));
    // "Verse" beside "Chapter" is the verse alone; the export's own "Book"
    // is an index beside its abbreviation.
    const bool chapterApart = names.contains(QLatin1StringView("chapter"));
    const bool ownExport = names.contains(QLatin1StringView("bookabbreviation"));
    QList<ColumnRole> roles;
    bool question = false;
    for (const QString& name : names) {
        ColumnRole role = namedRoles().value(name, ColumnRole::Ignored);
        if (name == u"verse" && chapterApart)
            role = ColumnRole::Verse;
        if (name == u"book" && ownExport)
            role = ColumnRole::Ignored;
        // One column a role: a second "Answer" is not a second right answer.
        if (role != ColumnRole::Ignored && role != ColumnRole::Title && roles.contains(role))
            role = ColumnRole::Ignored;
        question = question || role == ColumnRole::Question;
        roles.append(role);
    }
    if (recognised)
        *recognised = question;
    return roles;
}

void ColumnRoles::detectHeader(SourceTable& table)
{
    table.hasHeader = false;
    table.indexesFromZero = false;
    qsizetype columns = 0;
    for (const QStringList& row : table.rows)
        columns = std::max(columns, row.size());
    table.roles = QList<ColumnRole>(columns, ColumnRole::Ignored);
    if (table.rows.isEmpty())
        return;
    bool recognised = false;
    const QList<ColumnRole> roles = fromHeader(table.rows.first(), &recognised);
    if (!recognised)
        return;
    table.hasHeader = true;
    for (qsizetype column = 0; column < roles.size(); ++column)
        table.roles[column] = roles[column];
    for (const QString& cell : table.rows.first()) {
        if (foldedName(cell) == u"canonicalnbr")
            table.indexesFromZero = true;
    }
}

QList<ImportRow> ColumnRoles::rowsOf(const SourceTable& table)
{
    static const QString levelNames[] = {QStringLiteral("Single"), QStringLiteral("Double"),
                                         QStringLiteral("Triple"), QStringLiteral("Home Run")};
    QList<ImportRow> result;
    result.reserve(table.rows.size());
    for (qsizetype index = table.hasHeader ? 1 : 0; index < table.rows.size(); ++index) {
        const QStringList& cells = table.rows[index];
        if (std::all_of(cells.begin(), cells.end(), [](const QString& c) { return c.isEmpty(); }))
            continue;
        ImportRow row;
        row.place = table.places.value(index);
        QString answers[4];
        bool given[4] = {};
        for (qsizetype column = 0; column < table.roles.size(); ++column) {
            const QString cell = cells.value(column);
            switch (table.roles[column]) {
            case ColumnRole::Question:
                row.question = cell;
                break;
            case ColumnRole::AnswerA:
            case ColumnRole::AnswerB:
            case ColumnRole::AnswerC:
            case ColumnRole::AnswerD: {
                const int slot = int(table.roles[column]) - int(ColumnRole::AnswerA);
                answers[slot] = cell;
                given[slot] = true;
                break;
            }
            case ColumnRole::Correct:
                row.correct = cell;
                if (table.indexesFromZero && cell.size() == 1 && cell[0] >= u'0' && cell[0] <= u'3')
                    row.correct = QChar(u'A' + (cell[0].unicode() - u'0'));
                break;
            case ColumnRole::Reference:
                row.reference = cell;
                break;
            case ColumnRole::Book:
                row.book = cell;
                break;
            case ColumnRole::Chapter:
                row.chapter = cell;
                break;
            case ColumnRole::Verse:
                row.verse = cell;
                break;
            case ColumnRole::Level:
                row.level = cell;
                if (table.indexesFromZero && cell.size() == 1 && cell[0] >= u'0' && cell[0] <= u'3')
                    row.level = levelNames[cell[0].unicode() - u'0'];
                break;
            case ColumnRole::Title:
                if (!cell.isEmpty())
                    row.hints.append(cell);
                break;
            case ColumnRole::Ignored:
                break;
            }
        }
        for (int slot = 0; slot < 4; ++slot) {
            if (given[slot])
                row.answers.append(answers[slot]);
        }
        result.append(row);
    }
    return result;
}
