// SPDX-License-Identifier: GPL-2.0-or-later
#include "TfrmBuildTest.h"

#include "TestFiles.h"
#include "UserPrompts.h"
#include "Windows1252.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QUrl>
#include <limits>

namespace {

const char* const LevelNames[] = {
    QT_TRANSLATE_NOOP("TfrmBuildTest", "Single"), QT_TRANSLATE_NOOP("TfrmBuildTest", "Double"),
    QT_TRANSLATE_NOOP("TfrmBuildTest", "Triple"), QT_TRANSLATE_NOOP("TfrmBuildTest", "Home Run")};

QString previewOf(const TestBuilder::Version& version)
{
    QString text;
    int number = 0;
    for (const QuestionRecord& r : version.questions) {
        text +=
            QStringLiteral("%1. %2\n").arg(++number).arg(Windows1252::toUnicode(r.Question.view()));
        const QByteArrayView answers[] = {r.AnswerA.view(), r.AnswerB.view(), r.AnswerC.view(),
                                          r.AnswerD.view()};
        for (int a = 0; a < 4; ++a)
            text += QStringLiteral("   %1%2. %3\n")
                        .arg(a == r.Correct ? QStringLiteral("*") : QStringLiteral(" "),
                             QString(QChar(u'A' + a)), Windows1252::toUnicode(answers[a]));
    }
    return text;
}

} // namespace

TfrmBuildTest::TfrmBuildTest(const QuestionList& list, const ValidationTable& table,
                             UserPrompts& prompts, const QString& questionFile, QWidget* parent)
    : QDialog(parent), m_builder(list, table), m_prompts(prompts), m_questionFile(questionFile),
      m_fileDate(questionFile.isEmpty() ? QDateTime() : QFileInfo(questionFile).lastModified())
{
    setObjectName(QStringLiteral("frmBuildTest"));
    setWindowTitle(tr("Build Test"));
    openFolder = [](const QString& folder) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
    };

    auto* form = new QFormLayout;
    edtBooks = new QLineEdit(this);
    edtBooks->setObjectName(QStringLiteral("edtBooks"));
    edtBooks->setPlaceholderText(tr("All books; or Gen.-Deut.; or Gen.,Ps.,Prov."));
    form->addRow(tr("&Books:"), edtBooks);

    auto* levels = new QHBoxLayout;
    for (int level = 0; level < TestBuilder::LevelCount; ++level) {
        chkLevels[level] = new QCheckBox(tr(LevelNames[level]), this);
        chkLevels[level]->setObjectName(QStringLiteral("chkLevel%1").arg(level + 1));
        chkLevels[level]->setChecked(true);
        levels->addWidget(chkLevels[level]);
    }
    form->addRow(tr("Levels:"), levels);

    auto* count = new QHBoxLayout;
    spnCount = new QSpinBox(this);
    spnCount->setObjectName(QStringLiteral("spnCount"));
    spnCount->setRange(1, std::numeric_limits<int>::max()); // narrowed to the eligible
    spnCount->setAccessibleName(tr("Questions"));
    lblEligible = new QLabel(this);
    lblEligible->setObjectName(QStringLiteral("lblEligible"));
    count->addWidget(spnCount);
    count->addWidget(lblEligible, 1);
    form->addRow(tr("Questions:"), count);

    spnVersions = new QSpinBox(this);
    spnVersions->setObjectName(QStringLiteral("spnVersions"));
    spnVersions->setRange(1, TestBuilder::MaxVersions);
    spnVersions->setValue(3);
    form->addRow(tr("&Versions:"), spnVersions);

    chkShuffleQuestions = new QCheckBox(tr("Shuffle the &questions"), this);
    chkShuffleAnswers = new QCheckBox(tr("Shuffle the &answers"), this);
    chkShuffleQuestions->setChecked(true);
    chkShuffleAnswers->setChecked(true);
    form->addRow(QString(), chkShuffleQuestions);
    form->addRow(QString(), chkShuffleAnswers);

    auto* seed = new QHBoxLayout;
    spnSeed = new QSpinBox(this);
    spnSeed->setObjectName(QStringLiteral("spnSeed"));
    spnSeed->setRange(0, std::numeric_limits<int>::max());
    spnSeed->setValue(int(TestBuilder::newSeed()));
    spnSeed->setAccessibleName(tr("Seed"));
    spnSeed->setAccessibleDescription(tr("The same seed builds the same versions again"));
    auto* btnNewSeed = new QPushButton(tr("&New"), this);
    seed->addWidget(spnSeed, 1);
    seed->addWidget(btnNewSeed);
    form->addRow(tr("Seed:"), seed);

    const QFileInfo file(questionFile);
    auto* folder = new QHBoxLayout;
    edtFolder = new QLineEdit(
        questionFile.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QDir::toNativeSeparators(file.absolutePath()),
        this);
    edtFolder->setObjectName(QStringLiteral("edtFolder"));
    edtFolder->setAccessibleName(tr("Folder"));
    auto* btnBrowse = new QPushButton(tr("B&rowse..."), this);
    folder->addWidget(edtFolder, 1);
    folder->addWidget(btnBrowse);
    form->addRow(tr("Folder:"), folder);
    edtName = new QLineEdit(
        questionFile.isEmpty() ? QStringLiteral("test") : file.completeBaseName(), this);
    edtName->setObjectName(QStringLiteral("edtName"));
    form->addRow(tr("&Name:"), edtName);

    memPreview = new QPlainTextEdit(this);
    memPreview->setObjectName(QStringLiteral("memPreview"));
    memPreview->setReadOnly(true);
    memPreview->setAccessibleName(tr("Preview"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    btnBuild = buttons->addButton(tr("&Build"), QDialogButtonBox::ActionRole);
    btnBuild->setObjectName(QStringLiteral("btnBuild"));

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(new QLabel(tr("Version A (* the correct answer):"), this));
    layout->addWidget(memPreview, 1);
    layout->addWidget(buttons);
    resize(640, 640);

    spnCount->setValue(20);
    choicesChanged();
    connect(edtBooks, &QLineEdit::textChanged, this, &TfrmBuildTest::choicesChanged);
    for (QCheckBox* box : chkLevels)
        connect(box, &QCheckBox::toggled, this, &TfrmBuildTest::choicesChanged);
    for (QCheckBox* box : {chkShuffleQuestions, chkShuffleAnswers})
        connect(box, &QCheckBox::toggled, this, &TfrmBuildTest::choicesChanged);
    for (QSpinBox* box : {spnCount, spnSeed})
        connect(box, &QSpinBox::valueChanged, this, &TfrmBuildTest::choicesChanged);
    connect(btnNewSeed, &QPushButton::clicked, this,
            [this] { spnSeed->setValue(int(TestBuilder::newSeed())); });
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmBuildTest::btnBrowseClick);
    connect(btnBuild, &QPushButton::clicked, this, &TfrmBuildTest::btnBuildClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<TestBuilder::Choices> TfrmBuildTest::choices()
{
    TestBuilder::Choices chosen;
    if (!edtBooks->text().trimmed().isEmpty()) {
        QString problem;
        const auto books = TestBuilder::parseBooks(edtBooks->text(), problem);
        if (!books) {
            lblEligible->setText(problem);
            return std::nullopt;
        }
        chosen.books = *books;
    }
    for (int level = 0; level < TestBuilder::LevelCount; ++level)
        chosen.levels[std::size_t(level)] = chkLevels[level]->isChecked();
    chosen.count = spnCount->value();
    chosen.versions = spnVersions->value();
    chosen.shuffleQuestions = chkShuffleQuestions->isChecked();
    chosen.shuffleAnswers = chkShuffleAnswers->isChecked();
    chosen.seed = quint32(spnSeed->value());
    return chosen;
}

void TfrmBuildTest::choicesChanged()
{
    auto chosen = choices();
    memPreview->clear();
    btnBuild->setEnabled(false);
    if (!chosen)
        return;
    const int eligible = int(m_builder.eligible(*chosen).size());
    lblEligible->setText(tr("of %1 eligible").arg(eligible));
    {
        const QSignalBlocker quiet(spnCount);
        spnCount->setRange(eligible > 0 ? 1 : 0, eligible);
    }
    if (eligible == 0)
        return;
    // The preview is version A alone; later versions do not change it.
    chosen->count = spnCount->value();
    chosen->versions = 1;
    QString problem;
    const auto versions = m_builder.build(*chosen, problem);
    if (!versions.empty())
        memPreview->setPlainText(previewOf(versions.front()));
    btnBuild->setEnabled(!versions.empty());
}

void TfrmBuildTest::btnBrowseClick()
{
    const QString path = m_prompts.saveFileName(
        this, QDir(edtFolder->text()).filePath(edtName->text() + QStringLiteral(".qus")),
        tr("Question Files (*.qus);;All Files (*)"));
    if (path.isEmpty())
        return;
    const QFileInfo chosen(path);
    edtFolder->setText(QDir::toNativeSeparators(chosen.absolutePath()));
    edtName->setText(chosen.completeBaseName());
}

void TfrmBuildTest::btnBuildClick()
{
    const auto chosen = choices();
    const QString folder = QDir::fromNativeSeparators(edtFolder->text().trimmed());
    const QString name = edtName->text().trimmed();
    if (!chosen || folder.isEmpty() || name.isEmpty() || name.contains(u'/')) {
        m_prompts.information(this, tr("Choose a folder and a name for the files."));
        return;
    }
    QString problem;
    const auto versions = m_builder.build(*chosen, problem);
    if (versions.empty()) {
        m_prompts.information(this, problem);
        return;
    }
    // Not even when the author agrees to replace: the open list's file
    // would be gone from the disk.
    if (const QString refused =
            TestFiles::questionFileAmong(folder, name, chosen->versions, m_questionFile);
        !refused.isEmpty()) {
        m_prompts.information(this, refused);
        return;
    }
    const QStringList there = TestFiles::existing(folder, name, chosen->versions);
    if (!there.isEmpty()) {
        QStringList shown;
        for (const QString& path : there)
            shown << QDir::toNativeSeparators(path);
        const auto answer = m_prompts.confirm(this, tr("These files exist:\r\n%1\r\nReplace them?")
                                                        .arg(shown.join(QStringLiteral("\r\n"))));
        if (answer != UserPrompts::Answer::Yes)
            return;
    }
    QStringList written;
    // Dated as the question file (its stamp when read), so the same file
    // and choices give the same bytes.
    const QString error =
        TestFiles::write(versions, folder, name, chosen->seed, m_fileDate, written);
    if (!error.isEmpty()) {
        m_prompts.error(this, error);
        return;
    }
    const auto answer =
        m_prompts.confirm(this, tr("%1 files written to %2 (seed %3).\r\nOpen the folder?")
                                    .arg(written.size())
                                    .arg(QDir::toNativeSeparators(folder))
                                    .arg(chosen->seed));
    if (answer == UserPrompts::Answer::Yes)
        openFolder(folder);
}
