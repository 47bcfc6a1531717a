// SPDX-License-Identifier: GPL-2.0-or-later
#include "BankDiff.h"
#include "BankMerge.h"
#include "QuestionFields.h"
#include "QuestionList.h"
#include "QuestionMatcher.h"

#include <QtTest>

namespace {

// A line of a question file: book number, level, letter, reference, the
// question and its four answers.
QByteArray q(const QByteArray& letter, const QByteArray& reference, const QByteArray& question,
             const QByteArray& a, const QByteArray& b, const QByteArray& c = "Cedar",
             const QByteArray& d = "Olive", const QByteArray& level = "1",
             const QByteArray& book = "C1")
{
    return '"' + QByteArrayList{book, level, letter, reference, question, a, b, c, d}.join("\",\"") +
           '"';
}

QuestionList listOf(const QByteArrayList& lines, const QList<int>& deletedRows = {})
{
    QuestionList list;
    QuestionRecord record;
    QByteArray content;
    for (const QByteArray& line : lines)
        content += line + "\r\n";
    list.fillFromContent(content, record, DecodeMode::QuestionOnly);
    for (int row : deletedRows)
        list.ToggleDeleteMark(row);
    return list;
}

// Groups as "same 1,2; near 3,4", question numbers from 1.
QString describe(const std::vector<QuestionMatcher::Group>& groups)
{
    QStringList parts;
    for (const QuestionMatcher::Group& group : groups) {
        QStringList members;
        for (int index : group.members)
            members << QString::number(index + 1);
        parts << (group.same ? QStringLiteral("same ") : QStringLiteral("near ")) +
                     members.join(u',');
    }
    return parts.join(QStringLiteral("; "));
}

const QByteArray ark = q("C", "Gen. 6:14", "Of what wood was Noah told to make the ark?", "Cedar",
                         "Acacia", "Gopher wood", "Olive wood");
const QByteArray dust = q("B", "Gen. 2:7", "From what did the LORD God form man?", "A rib",
                          "The dust of the ground", "Clay", "Breath");
const QByteArray manna = q("A", "Ex. 16:31", "What did Israel call the bread from heaven?",
                           "Manna", "Quail", "Shewbread", "Leaven", "1", "C2");

} // namespace

class MatchingTest : public QObject
{
    Q_OBJECT

private slots:
    void duplicates_data();
    void duplicates();
    void closestWording();
    void diff_data();
    void diff();
    void merge_data();
    void merge();
};

void MatchingTest::duplicates_data()
{
    QTest::addColumn<QByteArrayList>("bank");
    QTest::addColumn<QList<int>>("deleted");
    QTest::addColumn<QString>("groups");

    // The copy Check File never found: one more space, answers A and B swapped.
    QTest::newRow("extra space, answers swapped")
        << QByteArrayList{ark, manna,
                          q("D", "Gen. 6:14", "Of what wood was Noah told to make  the ark?",
                            "Acacia", "Cedar", "Olive wood", "Gopher wood")}
        << QList<int>{} << "same 1,3";
    QTest::newRow("case and punctuation")
        << QByteArrayList{dust, q("B", "Gen. 2:7", "from what did the Lord God form man", "a rib",
                                  "the dust of the ground.", "clay", "breath!")}
        << QList<int>{} << "same 1,2";
    QTest::newRow("reworded, same right answer, other verse")
        << QByteArrayList{ark, q("A", "Gen. 6:15", "Of what wood was Noah told to build the ark?",
                                 "Gopher wood", "Pine", "Oak", "Cedar")}
        << QList<int>{} << "near 1,2";
    QTest::newRow("reworded, other right answer")
        << QByteArrayList{ark, q("A", "Gen. 6:15", "Of what wood was Noah told to build the ark?",
                                 "Pine", "Gopher wood", "Oak", "Cedar")}
        << QList<int>{} << "";
    QTest::newRow("same verse and right answer, other wording")
        << QByteArrayList{dust, q("A", "Gen. 2:7", "Man was formed of what?",
                                  "The dust of the ground", "Water", "Fire", "Air")}
        << QList<int>{} << "near 1,2";
    QTest::newRow("same verse, other right answer")
        << QByteArrayList{dust, q("A", "Gen. 2:7", "What did God breathe into man's nostrils?",
                                  "The breath of life", "Water", "Fire", "Dust")}
        << QList<int>{} << "";
    QTest::newRow("a deleted copy is left out")
        << QByteArrayList{ark, ark, manna} << QList<int>{2} << "";
    QTest::newRow("a copy and a rewording make one group")
        << QByteArrayList{ark, manna, ark,
                          q("A", "Gen. 6:15", "Of what wood was Noah told to build the ark?",
                            "Gopher wood", "Pine", "Oak", "Cedar")}
        << QList<int>{} << "near 1,3,4";
    QTest::newRow("unrelated questions") << QByteArrayList{ark, dust, manna} << QList<int>{} << "";
}

void MatchingTest::duplicates()
{
    QFETCH(QByteArrayList, bank);
    QFETCH(QList<int>, deleted);
    QFETCH(QString, groups);
    const QuestionList list = listOf(bank, deleted);
    QCOMPARE(describe(QuestionMatcher(list).duplicateGroups(0.6)), groups);
}

void MatchingTest::closestWording()
{
    const QuestionList list = listOf({ark, dust, manna});
    const QuestionMatcher matcher(list);
    // While the author types a rewording of question 1.
    const auto similar = matcher.closest("Of what wood was Noah told to build the ark", 0.5);
    QCOMPARE(similar.index, 0);
    QVERIFY(similar.similarity > 0.5 && similar.similarity < 1);
    QCOMPARE(matcher.closest("Of what wood was Noah told to make the ark?", 0.5, 0).index, -1);
    QCOMPARE(matcher.closest("Who built the ark?", 0.5).index, -1);
}

void MatchingTest::diff_data()
{
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<QByteArrayList>("after");
    QTest::addColumn<QString>("changes");

    const QByteArray darker = q("C", "Gen. 6:14", "Of what wood was Noah told to make the ark?",
                                "Cedar", "Acacia", "Gopher wood", "Pine");
    QTest::newRow("only moved") << QByteArrayList{ark, dust, manna}
                                << QByteArrayList{manna, ark, dust} << "";
    QTest::newRow("one answer edited") << QByteArrayList{ark, dust, manna}
                                       << QByteArrayList{darker, dust, manna}
                                       << "changed 1>1 AnswerD";
    QTest::newRow("edited and moved") << QByteArrayList{ark, dust, manna}
                                      << QByteArrayList{dust, manna, darker}
                                      << "changed 1>3 AnswerD";
    QTest::newRow("added and removed") << QByteArrayList{ark, dust}
                                       << QByteArrayList{manna, ark} << "added 1; removed 2";
    QTest::newRow("one copy of two removed") << QByteArrayList{ark, dust, ark}
                                             << QByteArrayList{ark, dust} << "removed 3";
    QTest::newRow("letter and reference changed")
        << QByteArrayList{dust}
        << QByteArrayList{q("A", "Gen. 2:8", "From what did the LORD God form man?", "A rib",
                            "The dust of the ground", "Clay", "Breath")}
        << "changed 1>1 Correct,Reference";
}

void MatchingTest::diff()
{
    QFETCH(QByteArrayList, before);
    QFETCH(QByteArrayList, after);
    QFETCH(QString, changes);
    const BankDiff diff = BankDiff::compare(listOf(before), listOf(after));
    QStringList parts;
    for (int index : diff.added)
        parts << QStringLiteral("added %1").arg(index + 1);
    for (int index : diff.removed)
        parts << QStringLiteral("removed %1").arg(index + 1);
    for (const BankDiff::Change& change : diff.changed) {
        QStringList fields;
        for (const BankDiff::FieldChange& field : change.fields)
            fields << QString::fromLatin1(QuestionFields::name(field.field));
        parts << QStringLiteral("changed %1>%2 ").arg(change.before + 1).arg(change.after + 1) +
                     fields.join(u',');
    }
    QCOMPARE(parts.join(QStringLiteral("; ")), changes);
    QCOMPARE(diff.same(), changes.isEmpty());
}

void MatchingTest::merge_data()
{
    QTest::addColumn<QByteArrayList>("base");
    QTest::addColumn<QByteArrayList>("ours");
    QTest::addColumn<QByteArrayList>("theirs");
    QTest::addColumn<QByteArrayList>("merged");
    QTest::addColumn<int>("conflicts");

    const QByteArray sandals = q("B", "Ex. 3:5", "What was Moses told to take off?", "His cloak",
                                 "His sandals", "His ring", "His belt", "2", "C2");
    const QByteArray light = q("A", "Gen. 1:3", "What did God say first?", "Let there be light",
                               "Let us make man", "Be fruitful", "It is good");
    const QByteArray arkTriple =
        q("C", "Gen. 6:14", "Of what wood was Noah told to make the ark?", "Cedar", "Acacia",
          "Gopher wood", "Olive wood", "3");
    const QByteArray arkBuild =
        q("C", "Gen. 6:14", "Of what wood was Noah told to build the ark?", "Cedar", "Acacia",
          "Gopher wood", "Olive wood");
    const QByteArray arkBoth =
        q("C", "Gen. 6:14", "Of what wood was Noah told to build the ark?", "Cedar", "Acacia",
          "Gopher wood", "Olive wood", "3");
    const QByteArray arkFashion =
        q("C", "Gen. 6:14", "Of what wood was Noah told to fashion the ark?", "Cedar", "Acacia",
          "Gopher wood", "Olive wood");
    const QByteArrayList base{ark, dust};

    QTest::newRow("both add at the end") << base << QByteArrayList{ark, dust, sandals}
                                         << QByteArrayList{ark, dust, light}
                                         << QByteArrayList{ark, dust, sandals, light} << 0;
    QTest::newRow("both add the same question") << base << QByteArrayList{ark, dust, manna}
                                                << QByteArrayList{ark, dust, manna}
                                                << QByteArrayList{ark, dust, manna} << 0;
    QTest::newRow("deleted in ours, untouched in theirs")
        << base << QByteArrayList{dust} << base << QByteArrayList{dust} << 0;
    QTest::newRow("deleted in theirs, untouched in ours")
        << base << base << QByteArrayList{ark} << QByteArrayList{ark} << 0;
    QTest::newRow("different fields of one question")
        << base << QByteArrayList{arkTriple, dust} << QByteArrayList{arkBuild, dust}
        << QByteArrayList{arkBoth, dust} << 0;
    QTest::newRow("the same change on both sides")
        << base << QByteArrayList{arkBuild, dust} << QByteArrayList{dust, arkBuild}
        << QByteArrayList{arkBuild, dust} << 0;
    QTest::newRow("one field changed differently")
        << base << QByteArrayList{arkBuild, dust} << QByteArrayList{arkFashion, dust}
        << QByteArrayList{arkBuild, dust} << 1;
    QTest::newRow("changed in ours, deleted in theirs")
        << base << QByteArrayList{arkBuild, dust} << QByteArrayList{dust}
        << QByteArrayList{arkBuild, dust} << 1;
    QTest::newRow("deleted in ours, changed in theirs")
        << base << QByteArrayList{dust} << QByteArrayList{arkBuild, dust}
        << QByteArrayList{dust} << 1;
    QTest::newRow("theirs edits a question ours moved")
        << QByteArrayList{ark, dust, manna} << QByteArrayList{manna, ark, dust}
        << QByteArrayList{arkBuild, dust, manna} << QByteArrayList{manna, arkBuild, dust} << 0;
}

void MatchingTest::merge()
{
    QFETCH(QByteArrayList, base);
    QFETCH(QByteArrayList, ours);
    QFETCH(QByteArrayList, theirs);
    QFETCH(QByteArrayList, merged);
    QFETCH(int, conflicts);
    const BankMerge result = BankMerge::merge(listOf(base), listOf(ours), listOf(theirs));
    QCOMPARE(QByteArrayList(result.lines.begin(), result.lines.end()), merged);
    QCOMPARE(int(result.conflicts.size()), conflicts);
}

QTEST_GUILESS_MAIN(MatchingTest)
#include "tst_matching.moc"
