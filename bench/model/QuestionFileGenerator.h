// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "ValidationTable.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>

// Synthetic question files for the benchmarks of every area: the same seed
// gives the same file, every line is written by EncodeQuestionLine and passes
// the record checks, and a line averages about 170 bytes. Most questions are
// on Bible books with references that exist in the King James counts; a few
// are catechism and general questions with free-text references.
class QuestionFileGenerator
{
public:
    explicit QuestionFileGenerator(quint32 seed = 1);

    // The next line, without its ending.
    QByteArray nextLine();
    // The given number of lines, CR LF after each.
    QByteArray content(int questions);
    // Writes content(questions) to the file, in pieces; false on failure.
    bool writeFile(const QString& path, int questions);

private:
    QByteArray sentence(int minLength, int maxLength, char end);
    QByteArray answer();
    QByteArray bibleReference(int book);

    QRandomGenerator m_random;
    ValidationTable m_counts;
};
