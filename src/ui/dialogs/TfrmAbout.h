// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>
#include <QIcon>

class QPushButton;

// Help > About: the product's name, version and maker, and on request a
// second panel below with the author's contact details.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

private:
    void btnMoreInfoClick();

    QPushButton* btnMoreInfo;
    QIcon m_bulbOn;
    QIcon m_bulbOff;
};
