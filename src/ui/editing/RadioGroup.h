// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons whose chosen item is an index; -1
// means no item is chosen.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* button(int index) const;
    // Where Tab lands in the group: the chosen item, or the first.
    QRadioButton* focusButton() const;

private:
    QButtonGroup* m_buttons;
};
