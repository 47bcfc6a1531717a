// SPDX-License-Identifier: GPL-2.0-or-later
#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent), m_buttons(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->setVerticalSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto* radio = new QRadioButton(items[i], this);
        m_buttons->addButton(radio, i);
        layout->addWidget(radio, i / columns, i % columns);
    }
}

int RadioGroup::itemIndex() const
{
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (index >= 0 && index < m_buttons->buttons().size()) {
        m_buttons->button(index)->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button directly.
    m_buttons->setExclusive(false);
    for (QAbstractButton* radio : m_buttons->buttons())
        radio->setChecked(false);
    m_buttons->setExclusive(true);
}

QRadioButton* RadioGroup::button(int index) const
{
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

QRadioButton* RadioGroup::focusButton() const
{
    return button(std::max(itemIndex(), 0));
}
