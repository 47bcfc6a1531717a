// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <functional>

// Chapter and verse counts of the Bible books, read from "qvedval.dta":
// 68 rows of 152 signed 16-bit little-endian counts. Row 0 column b + 1
// holds the chapters of book b; row b + 1 column c the verses of chapter c.
class ValidationTable
{
public:
    static constexpr int Rows = 68;
    static constexpr int Columns = 152;
    static constexpr qint64 ByteSize = qint64(Rows) * Columns * 2;
    static inline const QString FileName = QStringLiteral("qvedval.dta");

    enum class LoadOutcome
    {
        Loaded,
        Damaged,      // not the table's size, or counts no Bible has
        UnableToLoad, // missing after the builder ran, or unreadable
    };

    // Writes the table file into the folder it is given (with its final
    // separator), as the builder library does.
    using Builder = std::function<void(const QByteArray& folderWithSeparator)>;

    bool ValidationTableLoaded() const { return m_loaded; }
    qint16 ChapterCount(int book) const { return cell(0, book + 1); }
    qint16 VerseCount(int book, int chapter) const { return cell(book + 1, chapter); }
    qint16 cell(int row, int column) const
    {
        return m_cells.at(std::size_t(row * Columns + column));
    }

    // Loads folder + "qvedval.dta", having the builder write it first when
    // it is missing. The folder ends with its separator. Anything but a
    // regular file is not opened.
    LoadOutcome LoadValTable(const QString& folder, const Builder& builder);
    // Deletes the file and loads again, so the builder writes it anew.
    LoadOutcome rebuild(const QString& folder, const Builder& builder);

    // The message the user is shown for an outcome; empty when loaded.
    static QString message(LoadOutcome outcome);
    // The editor's message: the outcome's, the table's path and how to
    // write the table again.
    static QString message(LoadOutcome outcome, const QString& path);

    // The most verses any chapter has (Psalm 119).
    static constexpr int MaxVerses = 176;

private:
    bool hasPlausibleCounts() const;

    std::array<qint16, std::size_t(Rows* Columns)> m_cells{};
    bool m_loaded = false;
};
