// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "TestBuilder.h"

#include <QDateTime>
#include <QDialog>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QuestionList;
class UserPrompts;
class ValidationTable;

// Tools > Build Test: chooses the questions and versions of a printed test
// from the open list, previews the first version and writes every
// version's question lines, test and key.
class TfrmBuildTest : public QDialog
{
    Q_OBJECT

public:
    // questionFile names the files and places them; empty for an untitled
    // list.
    TfrmBuildTest(const QuestionList& list, const ValidationTable& table, UserPrompts& prompts,
                  const QString& questionFile, QWidget* parent = nullptr);

    // Opens the folder after a build; the desktop's file manager unless
    // replaced (tests).
    std::function<void(const QString& folder)> openFolder;

    void btnBuildClick();

private:
    void choicesChanged();
    void btnBrowseClick();
    // The choices as they stand, or none with the reason shown.
    std::optional<TestBuilder::Choices> choices();

    const TestBuilder m_builder;
    UserPrompts& m_prompts;
    QString m_questionFile;
    QDateTime m_fileDate; // the question file's, dating the PDFs
    QLineEdit* edtBooks;
    QCheckBox* chkLevels[TestBuilder::LevelCount];
    QSpinBox* spnCount;
    QLabel* lblEligible;
    QSpinBox* spnVersions;
    QCheckBox* chkShuffleQuestions;
    QCheckBox* chkShuffleAnswers;
    QSpinBox* spnSeed;
    QLineEdit* edtFolder;
    QLineEdit* edtName;
    QPlainTextEdit* memPreview;
    QPushButton* btnBuild;
};
