// SPDX-License-Identifier: GPL-2.0-or-later
#include "ScriptureDock.h"

#include "BibleLookup.h"
#include "PaletteColours.h"
#include "WordKeys.h"

#include <QComboBox>
#include <QRegularExpression>
#include <QSet>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

// Only the first verses of a whole chapter: enough to confirm it.
constexpr int ChapterPreview = 5;

const QRegularExpression& wordPattern()
{
    static const QRegularExpression pattern(QStringLiteral(R"(\w+(?:['’]\w+)*)"));
    return pattern;
}

// What two words must share to be the same: the case, and in Spanish the
// accents too ("Moisés", "Moises").
QString wordKey(const QString& word, BibleLanguage::Language language)
{
    if (language == BibleLanguage::English)
        return word.toCaseFolded();
    // A Spanish word alone is its own content key unless it is common.
    const QList<WordKeys::Word> keyed = WordKeys::words(word, language);
    return keyed.size() == 1 && !keyed.first().common ? keyed.first().key : QString();
}

// Marking every "the" would hide the words that matter.
QSet<QString> answerWords(const QString& answer, BibleLanguage::Language language)
{
    static const QSet<QString> common{
        QStringLiteral("a"),    QStringLiteral("an"),  QStringLiteral("and"),
        QStringLiteral("the"),  QStringLiteral("of"),  QStringLiteral("to"),
        QStringLiteral("in"),   QStringLiteral("on"),  QStringLiteral("at"),
        QStringLiteral("by"),   QStringLiteral("for"), QStringLiteral("from"),
        QStringLiteral("with"), QStringLiteral("his"), QStringLiteral("her"),
        QStringLiteral("he"),   QStringLiteral("she"), QStringLiteral("it"),
        QStringLiteral("is"),   QStringLiteral("was"), QStringLiteral("that"),
        QStringLiteral("unto"), QStringLiteral("or")};
    QSet<QString> words;
    for (auto it = wordPattern().globalMatch(answer); it.hasNext();) {
        const QString word = wordKey(it.next().captured(), language);
        if (!word.isEmpty() && (language != BibleLanguage::English || !common.contains(word)))
            words.insert(word);
    }
    return words;
}

QString marked(const QString& text, const QSet<QString>& words, BibleLanguage::Language language,
               const QColor& background)
{
    QString html;
    qsizetype done = 0;
    for (auto it = wordPattern().globalMatch(text); it.hasNext();) {
        const auto match = it.next();
        if (!words.contains(wordKey(match.captured(), language)))
            continue;
        html += text.mid(done, match.capturedStart() - done).toHtmlEscaped();
        html += QStringLiteral("<span style=\"background-color:%1\">%2</span>")
                    .arg(background.name(), match.captured().toHtmlEscaped());
        done = match.capturedEnd();
    }
    return html + text.mid(done).toHtmlEscaped();
}

QString greyLine(const QString& text, const QColor& colour)
{
    return QStringLiteral("<p style=\"color:%1\">%2</p>").arg(colour.name(), text.toHtmlEscaped());
}

} // namespace

ScriptureDock::ScriptureDock(QWidget* parent) : QDockWidget(tr("Scripture"), parent)
{
    setObjectName(QStringLiteral("dckScripture"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(4, 4, 4, 4);
    cbxModule = new QComboBox(body);
    cbxModule->setObjectName(QStringLiteral("cbxModule"));
    cbxModule->setStatusTip(tr("The Bible the verses are read from"));
    cbxModule->setEnabled(false);
    txtVerses = new QTextBrowser(body);
    txtVerses->setObjectName(QStringLiteral("txtVerses"));
    txtVerses->setOpenLinks(false);
    cbxModule->setAccessibleName(tr("Bible"));
    txtVerses->setAccessibleName(tr("Verses"));
    txtVerses->setAccessibleDescription(
        tr("The verses the reference names; the words of the correct answer are marked"));
    layout->addWidget(cbxModule);
    layout->addWidget(txtVerses);
    setWidget(body);

    connect(cbxModule, &QComboBox::activated, this, [this](int index) {
        const QString name = cbxModule->itemData(index).toString();
        m_moduleMissing = false;
        bible().setModule(name);
        startReadAhead();
        refresh();
        emit moduleChosen(name);
    });
}

ScriptureDock::~ScriptureDock()
{
    m_stopReading = true;
    m_reading.waitForFinished();
}

void ScriptureDock::startReadAhead()
{
    m_stopReading = true;
    m_reading.waitForFinished();
    m_stopReading = false;
    m_reading = QtConcurrent::run(
        [](const BibleLookup* bible, const std::atomic<bool>* stop) { bible->readAhead(stop); },
        m_bible.get(), &m_stopReading);
}

BibleLookup& ScriptureDock::bible()
{
    if (m_bible)
        return *m_bible;
    m_bible = std::make_unique<BibleLookup>();
    if (!m_wantedModule.isEmpty() && !m_bible->setModule(m_wantedModule))
        m_moduleMissing = !m_missing.isEmpty();
    for (const BibleLookup::Module& module : m_bible->modules()) {
        const QString shortName = module.abbreviation.isEmpty() ? module.name : module.abbreviation;
        cbxModule->addItem(QStringLiteral("%1 - %2").arg(shortName, module.description),
                           module.name);
    }
    cbxModule->setCurrentIndex(cbxModule->findData(m_bible->moduleName()));
    cbxModule->setEnabled(cbxModule->count() > 0);
    startReadAhead();
    return *m_bible;
}

bool ScriptureDock::chooseModule(const QString& name)
{
    m_moduleMissing = false;
    if (!m_bible) {
        m_wantedModule = name;
        return true;
    }
    if (!m_bible->setModule(name))
        return false;
    startReadAhead();
    cbxModule->setCurrentIndex(cbxModule->findData(m_bible->moduleName()));
    refresh();
    return true;
}

void ScriptureDock::setBankModule(const QString& name, const QString& missing)
{
    m_missing = missing;
    if (!m_bible) {
        m_wantedModule = name;
        m_moduleMissing = false;
        return;
    }
    if (chooseModule(name))
        return;
    m_moduleMissing = !missing.isEmpty();
    if (!m_moduleMissing && !m_bible->modules().isEmpty())
        chooseModule(m_bible->modules().first().name);
    m_wantedModule = name;
    refresh();
}

QString ScriptureDock::moduleName() const
{
    if (m_moduleMissing)
        return m_wantedModule;
    return m_bible ? m_bible->moduleName() : m_wantedModule;
}

QString ScriptureDock::shownText() const
{
    return txtVerses->toPlainText();
}

void ScriptureDock::setQuestion(int book, const QString& reference, const QString& answer)
{
    m_book = book;
    m_reference = reference;
    m_answer = answer;
    // A hidden dock looks up nothing; it catches up when shown.
    if (isVisible())
        refresh();
}

void ScriptureDock::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    refresh();
}

void ScriptureDock::refresh()
{
    if (!bible().available() || m_moduleMissing) {
        txtVerses->setHtml(greyLine(m_moduleMissing ? m_missing : BibleLookup::noModuleMessage(),
                                    PaletteColours::quiet(palette())));
        return;
    }
    if (m_book < 0 && m_reference.trimmed().isEmpty()) {
        txtVerses->setHtml(greyLine(tr("No book or reference."), PaletteColours::quiet(palette())));
        return;
    }
    const Passage passage = m_bible->passage(m_reference, m_book);
    if (passage.outcome != Passage::Outcome::Found) {
        txtVerses->setHtml(greyLine(passage.message, PaletteColours::quiet(palette())));
        return;
    }
    const BibleLanguage::Language language = m_bible->moduleLanguage();
    const QSet<QString> words = answerWords(m_answer, language);
    QString html = QStringLiteral("<p><b>%1</b></p><p>").arg(passage.title.toHtmlEscaped());
    const qsizetype shown = std::min<qsizetype>(passage.verses.size(), ChapterPreview);
    const bool numbered = passage.verses.size() > 1;
    for (qsizetype i = 0; i < passage.verses.size(); ++i) {
        if (i == shown && passage.wholeChapter) {
            html += QStringLiteral("&hellip;");
            break;
        }
        const Passage::Verse& verse = passage.verses[i];
        if (numbered)
            html += QStringLiteral("<sup>%1</sup>&nbsp;").arg(verse.number);
        html += marked(verse.text, words, language, PaletteColours::mark(palette())) + u' ';
    }
    txtVerses->setHtml(html + QStringLiteral("</p>"));
}
