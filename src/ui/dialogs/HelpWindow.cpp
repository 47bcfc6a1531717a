// SPDX-License-Identifier: GPL-2.0-or-later
#include "HelpWindow.h"

#include "Translations.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Quorvale Question Editor Help"));
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    auto* browser = new QTextBrowser(this);
    browser->setOpenExternalLinks(false);
    browser->setAccessibleName(tr("Help"));
    // The help in the language of the editor's texts, when there is one.
    QFile page(QStringLiteral(":/help/help_%1.html").arg(Translations::current()));
    if (!page.exists())
        page.setFileName(QStringLiteral(":/help/help.html"));
    if (page.open(QIODevice::ReadOnly))
        browser->setHtml(QString::fromUtf8(page.readAll()));
    layout->addWidget(browser);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
    layout->addWidget(buttons);
}

void HelpWindow::showHelp(QWidget* parent)
{
    auto* window = parent->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!window)
        window = new HelpWindow(parent);
    window->show();
    window->raise();
    window->activateWindow();
}
