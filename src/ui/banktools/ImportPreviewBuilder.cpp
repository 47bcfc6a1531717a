// SPDX-License-Identifier: GPL-2.0-or-later
#include "ImportPreviewBuilder.h"

#include "ColumnRoles.h"
#include "ImportRowChecker.h"
#include "QuestionFields.h"
#include "QuestionMatcher.h"
#include "Windows1252.h"

#include <QCoreApplication>
#include <QHash>

namespace {

constexpr int ProgressStep = 512;

QString shownText(const QuestionFields& question, int field)
{
    return Windows1252::toUnicode(question.shown(field));
}

// What the preview shows of a question the checks turned into a line.
void showLine(ImportPreviewEntry& entry, const QuestionFields& fields)
{
    // A Bible reference is stored with its book ("Gen. 6:14"): show it once.
    const QString book = shownText(fields, QuestionFields::Book);
    const QString reference = shownText(fields, QuestionFields::Reference);
    entry.reference = reference.startsWith(book) ? reference : (book + u' ' + reference).trimmed();
    entry.question = shownText(fields, QuestionFields::Question);
    QStringList answers;
    for (int field = QuestionFields::AnswerA; field <= QuestionFields::AnswerD; ++field)
        answers << shownText(fields, field);
    entry.answers = shownText(fields, QuestionFields::Correct) + QStringLiteral(": ") +
                    answers.join(QStringLiteral(" | "));
}

// What the preview shows of a question that became no line.
void showRow(ImportPreviewEntry& entry, const ImportRow& row)
{
    entry.reference =
        !row.reference.isEmpty()
            ? row.reference
            : (row.book + u' ' + row.chapter + (row.verse.isEmpty() ? QString() : u':' + row.verse))
                  .trimmed();
    entry.question = row.question;
    entry.answers = row.answers.join(QStringLiteral(" | "));
}

} // namespace

ImportPreviewBuilder::ImportPreviewBuilder(const ValidationTable& table, const QuestionList& bank)
    : m_table(table), m_bank(bank)
{
}

ImportPreviewBuilder::~ImportPreviewBuilder() = default;

std::vector<ImportPreviewEntry> ImportPreviewBuilder::build(const FormatReadResult& source,
                                                            ImportDefaults defaults,
                                                            const Progress& progress) const
{
    if (!m_matcher)
        m_matcher = std::make_unique<QuestionMatcher>(m_bank);
    const QList<ImportRow> rows = source.tabular ? ColumnRoles::rowsOf(source.table) : source.rows;
    const int total = int(rows.size());
    const ImportRowChecker checker(m_table, defaults);
    QHash<quint64, QString> firstPlace; // each question's first place in the source
    std::vector<ImportPreviewEntry> entries;
    entries.reserve(std::size_t(total + source.problems.size()));
    for (int index = 0; index < total; ++index) {
        if (index % ProgressStep == 0 && progress && !progress(index, total))
            return entries;
        const ImportRow& row = rows[index];
        ImportPreviewEntry entry{checker.check(row), {}, {}, {}};
        if (entry.outcome.line.isEmpty()) {
            showRow(entry, row);
        } else {
            const QuestionFields fields = QuestionFields::fromLine(entry.outcome.line);
            showLine(entry, fields);
            const quint64 key = QuestionMatcher::sameKey(fields);
            const auto earlier = firstPlace.constFind(key);
            if (m_matcher->holdsSame(fields)) {
                entry.outcome.status = ImportStatus::Duplicate;
                entry.outcome.notes.prepend(QCoreApplication::translate(
                    "ImportPreviewBuilder", "The bank already holds this question."));
            } else if (earlier != firstPlace.cend()) {
                entry.outcome.status = ImportStatus::Duplicate;
                entry.outcome.notes.prepend(
                    QCoreApplication::translate("ImportPreviewBuilder",
                                                "The same question as %1 of this file.")
                        .arg(earlier.value()));
            }
            if (earlier == firstPlace.cend())
                firstPlace.insert(key, entry.outcome.place);
        }
        entries.push_back(std::move(entry));
    }
    // The pieces that never became a row: "PLACE: reason".
    for (const QString& problem : source.problems) {
        const qsizetype colon = problem.indexOf(QStringLiteral(": "));
        ImportPreviewEntry entry;
        entry.outcome.place = colon < 0 ? QString() : problem.left(colon);
        entry.outcome.notes << (colon < 0 ? problem : problem.mid(colon + 2));
        entries.push_back(std::move(entry));
    }
    if (progress)
        progress(total, total);
    return entries;
}
