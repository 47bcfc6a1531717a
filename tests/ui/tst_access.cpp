// SPDX-License-Identifier: GPL-2.0-or-later
#include "WindowFixture.h"

#include "../reports/TableFiles.h"
#include "DarkPalette.h"
#include "DuplicatesDialog.h"
#include "HelpWindow.h"
#include "PaletteColours.h"
#include "RadioGroup.h"
#include "ReportEngine.h"
#include "ReportLayout.h"
#include "ReportPreview.h"
#include "ReportRun.h"
#include "TdmQVED3.h"
#include "TfrmAbout.h"
#include "TfrmBuildTest.h"
#include "TfrmFindReplace.h"
#include "TfrmGoTo.h"
#include "TfrmReportSetup.h"
#include "TfrmStatistics.h"

#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QStyleFactory>
#include <functional>

namespace {

// Roles a user acts on, whether or not the control takes the focus.
bool isControlRole(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::List:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::PageTabList:
    case QAccessible::ProgressBar:
    case QAccessible::Chart:
        return true;
    default:
        return false;
    }
}

const QStringList QtParts{"QComboBoxListView", "QLineEditIconButton", "QToolBarExtension"};

QString describe(const QObject* object)
{
    return QString::fromLatin1(object->metaObject()->className()) + u' ' +
           (object->objectName().isEmpty() ? QStringLiteral("(no object name)")
                                           : object->objectName());
}

// Every control under the interface that a screen reader could not name.
void collectUnnamed(QAccessibleInterface* node, QStringList& unnamed)
{
    for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (!child)
            continue;
        auto* widget = qobject_cast<QWidget*>(child->object());
        if (!widget)
            continue; // the cells of a view, named by their text
        // Qt's own parts of its controls (a combo box's list, a line edit's
        // clear button, a tool bar's overflow), named by the control.
        if (QtParts.contains(QString::fromLatin1(widget->metaObject()->className())))
            continue;
        const bool focusable = widget->focusPolicy() & Qt::TabFocus;
        if ((focusable || isControlRole(child->role())) &&
            child->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << describe(widget);
        collectUnnamed(child, unnamed);
    }
}

QStringList unnamedControls(QWidget& root)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&root), unnamed);
    // Menus are windows of their own; their items are named by their text.
    for (QMenu* menu : root.findChildren<QMenu*>()) {
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(menu);
        for (int i = 0; i < items->childCount(); ++i) {
            QAccessibleInterface* item = items->child(i);
            const auto* action = qobject_cast<QAction*>(item->object());
            if (action && action->isVisible() && !action->isSeparator() &&
                item->text(QAccessible::Name).isEmpty())
                unnamed << describe(menu) + u' ' + describe(action);
        }
    }
    return unnamed;
}

// The dialogs the editor opens, made over the open list.
std::unique_ptr<QWidget> makeDialog(const QString& name, WindowFixture& f, TdmQVED3& data,
                                    std::function<void()>& cleanUp)
{
    TfrmMain& w = *f.window;
    const QuestionList& list = w.document().list();
    if (name == "Go To")
        return std::make_unique<TfrmGoTo>(list, f.prompts, &w);
    if (name == "About")
        return std::make_unique<TfrmAbout>(&w);
    if (name == "Help")
        return std::make_unique<HelpWindow>(&w);
    if (name == "Build Test")
        return std::make_unique<TfrmBuildTest>(list, w.table(), f.prompts, QString(), &w);
    if (name == "Statistics")
        return std::make_unique<TfrmStatistics>(list, &w);
    if (name == "Duplicates")
        return std::make_unique<DuplicatesDialog>(w.document(), w.history(), &w);
    if (name == "Report Setup")
        return std::make_unique<TfrmReportSetup>(list, data, f.prompts, &w);
    if (name == "Report Preview") {
        auto files = std::make_shared<TableFiles>(QByteArray());
        auto report = std::shared_ptr<ReportLayout>(ReportRun::createReport(0, files->table));
        auto engine = std::make_shared<ReportEngine>(*report);
        cleanUp = [files, report, engine] {};
        return std::make_unique<ReportPreview>(*engine, &w);
    }
    return {};
}

} // namespace

class AccessTest : public QObject
{
    Q_OBJECT

private slots:
    void everyControlHasAName_data();
    void everyControlHasAName();
    void tabReachesEveryControlOfThePanel_data();
    void tabReachesEveryControlOfThePanel();
    void ownColoursFollowADarkPalette();
};

void AccessTest::everyControlHasAName_data()
{
    QTest::addColumn<QString>("window");
    for (const char* name :
         {"main window", "main window, new question", "Find and Replace", "Go To", "About", "Help",
          "Build Test", "Statistics", "Duplicates", "Report Setup", "Report Preview"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void AccessTest::everyControlHasAName()
{
    QFETCH(QString, window);
    WindowFixture f;
    TfrmMain& w = f.start({f.writeFile("quiz.qus", {f.question(1), f.question(2)})});
    TdmQVED3 data;
    std::function<void()> cleanUp;
    QWidget* shown = &w;
    std::unique_ptr<QWidget> dialog;
    if (window == "main window, new question") {
        w.mnuActionsAdd->trigger();
        QVERIFY(w.pnlDetails->btnSaveNew->isVisible());
    } else if (window == "Find and Replace") {
        shown = w.findChild<TfrmFindReplace*>();
    } else if (window != "main window") {
        dialog = makeDialog(window, f, data, cleanUp);
        shown = dialog.get();
    }
    QVERIFY2(shown, qPrintable(window));
    shown->show();
    const QStringList unnamed = unnamedControls(*shown);
    QVERIFY2(unnamed.isEmpty(), qPrintable("without a name: " + unnamed.join(", ")));
    dialog.reset();
}

void AccessTest::tabReachesEveryControlOfThePanel_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("forward");
    for (const bool forward : {true, false}) {
        const char* way = forward ? "Tab" : "Shift+Tab";
        QTest::addRow("%s, a question shown", way) << "shown" << forward;
        QTest::addRow("%s, a new question", way) << "new" << forward;
        QTest::addRow("%s, nothing chosen yet", way) << "empty" << forward;
    }
}

void AccessTest::tabReachesEveryControlOfThePanel()
{
    QFETCH(QString, state);
    QFETCH(bool, forward);
    WindowFixture f;
    TfrmMain& w = f.start(state == "empty" ? QStringList()
                                           : QStringList{f.writeFile("quiz.qus", {f.question(1)})});
    QVERIFY(QTest::qWaitForWindowActive(&w));
    if (state == "new")
        w.mnuActionsAdd->trigger();
    DetailPanel& panel = *w.pnlDetails;

    // What Tab has to reach: each control that takes the Tab focus, a radio
    // group being one stop.
    QSet<QWidget*> expected;
    for (QWidget* control : panel.findChildren<QWidget*>()) {
        if ((control->focusPolicy() & Qt::TabFocus) && control->isEnabled() &&
            control->isVisibleTo(&w) && !qobject_cast<QRadioButton*>(control))
            expected << control;
    }
    expected << panel.rgpLevel << panel.rgpCorrect;

    QWidget* start = forward ? static_cast<QWidget*>(panel.cbxBook) : panel.edtAnsD;
    start->setFocus(Qt::TabFocusReason);
    QSet<QWidget*> reached;
    for (int step = 0; step < 40; ++step) {
        QWidget* focused = QApplication::focusWidget();
        if (!focused || !panel.isAncestorOf(focused))
            break;
        QWidget* stop = focused;
        for (RadioGroup* group : {panel.rgpLevel, panel.rgpCorrect})
            if (group->isAncestorOf(focused))
                stop = group;
        reached << stop;
        QTest::keyClick(focused, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
    }
    // Backwards from the last answer Save New comes behind; it is reached
    // from the front.
    if (!forward && state == "new")
        expected.remove(panel.btnSaveNew);
    QStringList missing;
    for (QWidget* control : std::as_const(expected))
        if (!reached.contains(control))
            missing << describe(control);
    QVERIFY2(missing.isEmpty(), qPrintable("not reached: " + missing.join(", ")));
}

void AccessTest::ownColoursFollowADarkPalette()
{
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    const QPalette before = QApplication::palette();
    QApplication::setPalette(darkPalette());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
    WindowFixture f;
    TfrmMain& w = f.start();
    // The warning of a journal that stopped keeping changes.
    const QColor warning(QRegularExpression("color: (#[0-9a-f]{6})")
                             .match(w.statusJournal->styleSheet())
                             .captured(1));
    QVERIFY(warning.isValid());
    QVERIFY2(contrastRatio(warning, w.statusJournal->palette().color(QPalette::Window)) >= 4.5,
             qPrintable(warning.name()));
    // The About box's title is in the palette's text colour.
    TfrmAbout about(&w);
    auto* title = about.findChild<QLabel*>("ProductName");
    QCOMPARE(title->palette().color(QPalette::WindowText),
             darkPalette().color(QPalette::WindowText));
}

QTEST_MAIN(AccessTest)
#include "tst_access.moc"
