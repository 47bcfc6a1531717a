// SPDX-License-Identifier: GPL-2.0-or-later
#include "GiftFormat.h"

#include "CategoryHints.h"
#include "ExportTexts.h"
#include "GiftAnswers.h"
#include "LineBlocks.h"
#include "QuestionRecord.h"
#include "SourceText.h"

#include <QCoreApplication>

namespace {

// The characters GIFT gives a meaning, escaped.
QString escaped(const QString& text)
{
    QString result;
    result.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (c == u'~' || c == u'=' || c == u'#' || c == u'{' || c == u'}' || c == u':' ||
            c == u'\\')
            result += u'\\';
        result += c;
    }
    return result;
}

// One question's text as the file holds it, from its first line.
struct Chunk
{
    QString text;
    int line = 0;
};

FormatReadResult parse(const QString& text)
{
    FormatReadResult result;
    QString category;
    Chunk chunk;
    int depth = 0;
    auto finish = [&] {
        if (chunk.text.trimmed().isEmpty()) {
            chunk = Chunk();
            return;
        }
        const QString place = QCoreApplication::translate("Interchange", "line %1").arg(chunk.line);
        QString title;
        ImportRow row;
        row.place = place;
        QString problem;
        if (GiftAnswers::parseQuestion(chunk.text, &title, &row, &problem)) {
            CategoryHints::apply(row, category, title);
            result.rows.append(row);
        } else {
            result.problems.append(place + QStringLiteral(": ") + problem);
        }
        chunk = Chunk();
        depth = 0;
    };
    int lineNumber = 0;
    for (QStringView line : QStringView(text).tokenize(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (depth == 0 && trimmed.startsWith(u"//"))
            continue;
        if (depth == 0 && trimmed.isEmpty()) {
            finish();
            continue;
        }
        if (depth == 0 && chunk.text.isEmpty() && trimmed.startsWith(u"$CATEGORY:")) {
            category = trimmed.sliced(10).trimmed().toString();
            continue;
        }
        if (chunk.text.isEmpty())
            chunk.line = lineNumber;
        else
            chunk.text += u'\n';
        chunk.text += line;
        for (qsizetype at = 0; at < line.size(); ++at) {
            if (line[at] == u'\\')
                ++at;
            else if (line[at] == u'{')
                ++depth;
            else if (line[at] == u'}')
                --depth;
        }
        depth = std::max(depth, 0);
    }
    finish();
    return result;
}

} // namespace

QString GiftFormat::name() const
{
    return QStringLiteral("gift");
}

QString GiftFormat::title() const
{
    return QCoreApplication::translate("Interchange", "GIFT (Moodle)");
}

QStringList GiftFormat::suffixes() const
{
    return {QStringLiteral("gift"), QStringLiteral("txt")};
}

bool GiftFormat::recognises(const QByteArray& head) const
{
    return head.contains("$CATEGORY:") || (head.contains("::") && head.contains('{')) ||
           head.contains("{=") || head.contains("{~") || head.contains("\n=") ||
           (head.contains('{') && head.contains("\t~"));
}

FormatReadResult GiftFormat::read(const QByteArray& source) const
{
    QString error;
    const QString text = SourceText::decode(source, &error);
    if (!error.isEmpty()) {
        FormatReadResult result;
        result.error = error;
        return result;
    }
    return parse(text);
}

QByteArray GiftFormat::write(const QList<QuestionRecord>& questions, QString*, QStringList*) const
{
    // A category runs on to the questions after it, so each block starts
    // from the one before it.
    return LineBlocks::joined(int(questions.size()), [&](int first, int end) {
        QString block;
        QString category = first > 0 ? CategoryHints::of(questions[first - 1]) : QString();
        for (int index = first; index < end; ++index) {
            const QuestionRecord& r = questions[index];
            const QString next = CategoryHints::of(r);
            if (next != category || index == 0) {
                category = next;
                block += QStringLiteral("$CATEGORY: ") + category + QStringLiteral("\n\n");
            }
            block += QStringLiteral("::") + escaped(ExportTexts::reference(r)) +
                     QStringLiteral("::") + escaped(ExportTexts::question(r)) +
                     QStringLiteral("{\n");
            for (int answer = 0; answer < 4; ++answer)
                block += (answer == r.Correct ? QStringLiteral("\t=") : QStringLiteral("\t~")) +
                         escaped(ExportTexts::answer(r, answer)) + u'\n';
            block += QStringLiteral("}\n\n");
        }
        return block.toUtf8();
    });
}
