// SPDX-License-Identifier: GPL-2.0-or-later
#include "MoodleXmlFormat.h"

#include "CategoryHints.h"
#include "ExportTexts.h"
#include "HtmlText.h"
#include "QuestionRecord.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// What one <question> element held.
struct XmlQuestion
{
    QString type;
    QString name;
    QString text;
    QString category;
    QStringList tags;
    QStringList answers;
    QList<double> fractions;
    bool single = true;
};

// The text of an element's <text> child; a question's or an answer's text
// is reduced from HTML unless its format says plain text. The reader stands
// on the element's end after.
QString textOf(QXmlStreamReader& xml, bool mayBeHtml = false)
{
    const bool plain =
        !mayBeHtml || xml.attributes().value(QLatin1StringView("format")) == u"plain_text";
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text")
            text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        else
            xml.skipCurrentElement();
    }
    return plain ? text : HtmlText::plain(text);
}

void readTags(QXmlStreamReader& xml, QStringList& tags)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == u"tag")
            tags.append(textOf(xml));
        else
            xml.skipCurrentElement();
    }
}

XmlQuestion readQuestion(QXmlStreamReader& xml)
{
    XmlQuestion question;
    question.type = xml.attributes().value(QLatin1StringView("type")).toString();
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == u"name") {
            question.name = textOf(xml);
        } else if (name == u"questiontext") {
            question.text = textOf(xml, true);
        } else if (name == u"category") {
            question.category = textOf(xml);
        } else if (name == u"single") {
            const QString value = xml.readElementText().trimmed();
            question.single = value == u"true" || value == u"1";
        } else if (name == u"answer") {
            question.fractions.append(
                xml.attributes().value(QLatin1StringView("fraction")).toDouble());
            question.answers.append(textOf(xml, true).trimmed());
        } else if (name == u"tags") {
            readTags(xml, question.tags);
        } else {
            xml.skipCurrentElement();
        }
    }
    return question;
}

// The row of a multichoice question, or the reason it is none.
bool rowOf(const XmlQuestion& question, const QString& category, ImportRow* row, QString* problem)
{
    if (question.type != u"multichoice") {
        *problem =
            QCoreApplication::translate("Interchange", "it is a %1 question, not multiple choice")
                .arg(question.type);
        return false;
    }
    if (!question.single) {
        *problem = QCoreApplication::translate("Interchange",
                                               "it allows more than one answer to be chosen");
        return false;
    }
    int right = 0;
    for (qsizetype index = 0; index < question.answers.size(); ++index) {
        if (question.fractions[index] >= 100) {
            ++right;
            row->correct = QChar(u'A' + int(std::min<qsizetype>(index, 25)));
        }
    }
    if (right != 1) {
        *problem =
            right == 0
                ? QCoreApplication::translate("Interchange", "it has no answer at fraction 100")
                : QCoreApplication::translate("Interchange",
                                              "it has more than one answer at fraction 100");
        return false;
    }
    row->question = question.text.trimmed();
    row->answers = question.answers;
    CategoryHints::apply(*row, category, question.name);
    row->hints += question.tags;
    return true;
}

void writeText(QXmlStreamWriter& xml, const QString& element, const QString& text, bool plainFormat)
{
    xml.writeStartElement(element);
    if (plainFormat)
        xml.writeAttribute(QStringLiteral("format"), QStringLiteral("plain_text"));
    xml.writeTextElement(QStringLiteral("text"), text);
    xml.writeEndElement();
}

} // namespace

QString MoodleXmlFormat::name() const
{
    return QStringLiteral("moodle");
}

QString MoodleXmlFormat::title() const
{
    return QCoreApplication::translate("Interchange", "Moodle XML");
}

QStringList MoodleXmlFormat::suffixes() const
{
    return {QStringLiteral("xml")};
}

bool MoodleXmlFormat::recognises(const QByteArray& head) const
{
    return head.contains("<quiz") &&
           (head.trimmed().startsWith("<?xml") || head.trimmed().startsWith("<quiz"));
}

FormatReadResult MoodleXmlFormat::read(const QByteArray& source) const
{
    FormatReadResult result;
    QXmlStreamReader xml(source);
    QString category;
    int number = 0;
    bool quiz = false;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        // No document type is read: no entity is defined, none loaded from
        // outside, none expands without bound.
        if (token == QXmlStreamReader::DTD) {
            result = FormatReadResult();
            result.error = QCoreApplication::translate(
                "Interchange", "it holds a document type definition (<!DOCTYPE>), which an "
                               "import never reads");
            return result;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (!quiz) {
            if (xml.name() != u"quiz") {
                result.error = QCoreApplication::translate(
                    "Interchange", "it is XML, but not a Moodle quiz (<quiz>)");
                return result;
            }
            quiz = true;
            continue;
        }
        if (xml.name() != u"question") {
            xml.skipCurrentElement();
            continue;
        }
        const qint64 line = xml.lineNumber();
        const XmlQuestion question = readQuestion(xml);
        if (question.type == u"category") {
            category = question.category;
            continue;
        }
        ++number;
        ImportRow row;
        row.place =
            question.name.isEmpty()
                ? QCoreApplication::translate("Interchange", "question %1 (line %2)")
                      .arg(number)
                      .arg(line)
                : QCoreApplication::translate("Interchange", "question %1 \u201C%2\u201D (line %3)")
                      .arg(number)
                      .arg(question.name)
                      .arg(line);
        QString problem;
        if (rowOf(question, category, &row, &problem))
            result.rows.append(row);
        else
            result.problems.append(row.place + QStringLiteral(": ") + problem);
    }
    if (xml.hasError()) {
        result = FormatReadResult();
        result.error = QCoreApplication::translate("Interchange", "line %1: %2")
                           .arg(xml.lineNumber())
                           .arg(xml.errorString());
    } else if (!quiz) {
        result.error = QCoreApplication::translate("Interchange", "it holds no <quiz> element");
    }
    return result;
}

QByteArray MoodleXmlFormat::write(const QList<QuestionRecord>& questions, QString*,
                                  QStringList*) const
{
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("quiz"));
    QString category;
    for (const QuestionRecord& r : questions) {
        const QString next = QStringLiteral("$course$/") + CategoryHints::of(r);
        if (next != category) {
            category = next;
            xml.writeStartElement(QStringLiteral("question"));
            xml.writeAttribute(QStringLiteral("type"), QStringLiteral("category"));
            writeText(xml, QStringLiteral("category"), category, false);
            xml.writeEndElement();
        }
        xml.writeStartElement(QStringLiteral("question"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("multichoice"));
        writeText(xml, QStringLiteral("name"), ExportTexts::reference(r), false);
        writeText(xml, QStringLiteral("questiontext"), ExportTexts::question(r), true);
        xml.writeTextElement(QStringLiteral("single"), QStringLiteral("true"));
        xml.writeTextElement(QStringLiteral("shuffleanswers"), QStringLiteral("0"));
        xml.writeTextElement(QStringLiteral("answernumbering"), QStringLiteral("ABCD"));
        for (int answer = 0; answer < 4; ++answer) {
            xml.writeStartElement(QStringLiteral("answer"));
            xml.writeAttribute(QStringLiteral("fraction"),
                               answer == r.Correct ? QStringLiteral("100") : QStringLiteral("0"));
            xml.writeAttribute(QStringLiteral("format"), QStringLiteral("plain_text"));
            xml.writeTextElement(QStringLiteral("text"), ExportTexts::answer(r, answer));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}
