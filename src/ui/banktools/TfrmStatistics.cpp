// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmStatistics.h"

#include "BarChart.h"
#include "QuestionStatistics.h"
#include "Windows1252.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const char* const LevelNames[] = {
    QT_TRANSLATE_NOOP("TfrmStatistics", "Single"), QT_TRANSLATE_NOOP("TfrmStatistics", "Double"),
    QT_TRANSLATE_NOOP("TfrmStatistics", "Triple"), QT_TRANSLATE_NOOP("TfrmStatistics", "Home Run")};

QString noValue()
{
    return TfrmStatistics::tr("(none)");
}
constexpr int Choices = QuestionStatistics::Choices;

QString bookName(int book)
{
    return book < BookCount ? Windows1252::toUnicode(BookAbbreviation(book)) : noValue();
}

QString letterName(int letter)
{
    return letter < Choices ? QString(QChar(u'A' + letter)) : noValue();
}

// One of the dialog's charts, already filled.
BarChart* barChart(const QString& title, const QList<BarChart::Bar>& bars,
                   Qt::Orientation orientation, QWidget* parent)
{
    auto* chart = new BarChart(parent);
    chart->setTitle(title);
    chart->setOrientation(orientation);
    chart->setBars(bars);
    return chart;
}

} // namespace

TfrmStatistics::TfrmStatistics(const QuestionList& list, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStatistics"));
    setWindowTitle(tr("Statistics"));
    resize(980, 700);
    const QuestionStatistics counts(list);

    grdCounts = new QTableWidget(this);
    grdCounts->setObjectName(QStringLiteral("grdCounts"));
    grdCounts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdCounts->setAccessibleName(tr("Counts"));
    fillTable(counts);
    mmoWarnings = new QPlainTextEdit(this);
    mmoWarnings->setObjectName(QStringLiteral("mmoWarnings"));
    mmoWarnings->setReadOnly(true);
    mmoWarnings->setAccessibleName(tr("Uneven spread"));
    mmoWarnings->setMaximumHeight(90);
    const QStringList flagged = findWarnings(counts);
    mmoWarnings->setPlainText(flagged.isEmpty() ? tr("The spread looks even.")
                                                : flagged.join(u'\n'));

    auto* tabs = new QTabWidget(this);
    tabs->setAccessibleName(tr("Charts and table"));
    tabs->addTab(charts(counts), tr("Charts"));
    tabs->addTab(grdCounts, tr("Table"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* copy = buttons->addButton(tr("&Copy Table"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("btnCopyTable"));
    connect(copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(tableText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addWidget(mmoWarnings);
    layout->addWidget(buttons);
}

void TfrmStatistics::fillTable(const QuestionStatistics& counts)
{
    QList<QStringList> rows;
    auto add = [&rows](const QString& group, const QString& name, int count,
                       const QString& share = {}) {
        rows << QStringList{group, name, QString::number(count), share};
    };
    // The rows `qvedtool stats` prints, in its order.
    add(tr("questions"), QString(), counts.questions);
    for (int book = 0; book <= BookCount; ++book) {
        if (counts.books[book] > 0)
            add(tr("book"), bookName(book), counts.books[book]);
    }
    for (int level = 0; level <= Choices; ++level) {
        if (level < Choices || counts.levels[level] > 0)
            add(tr("level"), level < Choices ? tr(LevelNames[level]) : noValue(),
                counts.levels[level]);
    }
    for (int letter = 0; letter <= Choices; ++letter) {
        if (letter < Choices)
            add(tr("correct answer"), letterName(letter), counts.letters[letter],
                QStringLiteral("%1%").arg(counts.share(letter), 0, 'f', 1));
        else if (counts.letters[letter] > 0)
            add(tr("correct answer"), noValue(), counts.letters[letter]);
    }
    if (counts.notDecoded > 0)
        add(tr("not decoded"), QString(), counts.notDecoded);

    grdCounts->setColumnCount(4);
    grdCounts->setHorizontalHeaderLabels({tr("Group"), tr("Name"), tr("Count"), tr("Share")});
    grdCounts->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(rows[row][column]);
            if (column >= 2)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdCounts->setItem(row, column, item);
        }
    }
    grdCounts->verticalHeader()->hide();
    grdCounts->horizontalHeader()->setStretchLastSection(true);
}

QStringList TfrmStatistics::findWarnings(const QuestionStatistics& counts) const
{
    QStringList found;
    for (int letter = 0; letter < Choices; ++letter) {
        if (counts.isUneven(letter))
            found << tr("Uneven correct answers: %1 is %2% of the questions.")
                         .arg(letterName(letter))
                         .arg(counts.share(letter), 0, 'f', 1);
    }
    for (int book = 0; book < BookCount; ++book) {
        if (counts.books[book] == 0)
            continue;
        QStringList missing;
        for (int level = 0; level < Choices; ++level) {
            if (counts.bookLevels[book][level] == 0)
                missing << tr(LevelNames[level]);
        }
        if (!missing.isEmpty())
            found << tr("%1 has no %2 questions.")
                         .arg(bookName(book), missing.join(QStringLiteral(", ")));
    }
    return found;
}

QWidget* TfrmStatistics::charts(const QuestionStatistics& counts)
{
    QList<BarChart::Bar> books, levels, letters;
    for (int book = 0; book <= BookCount; ++book) {
        if (counts.books[book] > 0)
            books << BarChart::Bar{bookName(book), double(counts.books[book]), {}};
    }
    for (int level = 0; level < Choices; ++level)
        levels << BarChart::Bar{tr(LevelNames[level]), double(counts.levels[level]), {}};
    for (int letter = 0; letter < Choices; ++letter)
        letters << BarChart::Bar{letterName(letter), counts.share(letter),
                                 QStringLiteral("%1%").arg(counts.share(letter), 0, 'f', 1)};
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    // Every book's name needs room: many books scroll sideways.
    auto* scroll = new QScrollArea(page);
    scroll->setWidget(barChart(tr("Questions by book"), books, Qt::Vertical, scroll));
    scroll->widget()->setObjectName(QStringLiteral("chtBooks"));
    scroll->setWidgetResizable(true);
    scroll->setAccessibleName(tr("Questions by book"));
    scroll->setFrameShape(QFrame::NoFrame);
    // On the page's own background, like the charts beside it.
    scroll->viewport()->setAutoFillBackground(false);
    scroll->widget()->setAutoFillBackground(false);
    layout->addWidget(scroll, 1);
    auto* row = new QHBoxLayout;
    BarChart* byLevel = barChart(tr("By level"), levels, Qt::Horizontal, page);
    byLevel->setObjectName(QStringLiteral("chtLevels"));
    BarChart* byLetter =
        barChart(tr("Share of each correct answer (%)"), letters, Qt::Vertical, page);
    byLetter->setObjectName(QStringLiteral("chtLetters"));
    row->addWidget(byLevel);
    row->addWidget(byLetter);
    layout->addLayout(row, 1);
    return page;
}

QString TfrmStatistics::tableText() const
{
    QStringList lines;
    for (int row = 0; row < grdCounts->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < grdCounts->columnCount(); ++column)
            cells << grdCounts->item(row, column)->text();
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

QString TfrmStatistics::warnings() const
{
    return mmoWarnings->toPlainText();
}
