// SPDX-License-Identifier: GPL-2.0-or-later
#include "QtUserPrompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

// Message texts use CR LF line ends; a message box wants LF.
QString shown(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

QString applicationTitle()
{
    return QApplication::applicationDisplayName();
}

} // namespace

void QtUserPrompts::information(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), shown(text), QMessageBox::Ok, parent);
    box.exec();
}

UserPrompts::Answer QtUserPrompts::confirm(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("QtUserPrompts", "Confirm"),
                    shown(text), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

UserPrompts::Answer QtUserPrompts::checkReport(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon,
                    QCoreApplication::translate("QtUserPrompts", "Question Editor"), shown(text),
                    QMessageBox::Ok | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Cancel);
    return box.exec() == QMessageBox::Ok ? Answer::Ok : Answer::Cancel;
}

UserPrompts::Answer QtUserPrompts::offerReadOnly(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle(), shown(text), QMessageBox::NoButton,
                    parent);
    QPushButton* readOnly = box.addButton(
        QCoreApplication::translate("QtUserPrompts", "Open Read-Only"), QMessageBox::AcceptRole);
    box.setEscapeButton(box.addButton(QMessageBox::Cancel));
    box.setDefaultButton(readOnly);
    box.exec();
    return box.clickedButton() == readOnly ? Answer::Yes : Answer::Cancel;
}

void QtUserPrompts::error(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), shown(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

QString QtUserPrompts::openFileName(QWidget* parent, const QString& folder, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), folder, filter, nullptr,
                                        QFileDialog::ReadOnly);
}

QString QtUserPrompts::saveFileName(QWidget* parent, const QString& folder, const QString& filter)
{
    // No default extension is added to a typed name; the dialog asks before
    // an existing file is replaced.
    return QFileDialog::getSaveFileName(parent, QString(), folder, filter);
}

QString QtUserPrompts::chooseItem(QWidget* parent, const QString& text, const QStringList& items,
                                  const QString& current)
{
    bool chosen = false;
    const QString item =
        QInputDialog::getItem(parent, QApplication::applicationDisplayName(), text, items,
                              std::max<int>(0, int(items.indexOf(current))), false, &chosen);
    return chosen ? item : QString();
}

void QtUserPrompts::beep()
{
    QApplication::beep();
}
