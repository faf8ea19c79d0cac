// SPDX-License-Identifier: MIT
#include "radio_group.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>

#include <algorithm>

namespace app {

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), m_group(new QButtonGroup(this))
{
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items.at(i), this);
        m_group->addButton(button, i);
        m_buttons.append(button);
    }
    connect(m_group, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        // Only the item that became selected counts, and only when the user selected it.
        if (checked && !m_settingIndex)
            emit clicked();
    });
    arrangeButtons();
}

int RadioGroup::itemIndex() const
{
    return m_group->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    m_settingIndex = true;
    if (QAbstractButton *button = m_group->button(index)) {
        button->setChecked(true);
    } else if (QAbstractButton *checked = m_group->checkedButton()) {
        // An exclusive group does not let its last checked button go.
        m_group->setExclusive(false);
        checked->setChecked(false);
        m_group->setExclusive(true);
    }
    m_settingIndex = false;
}

void RadioGroup::resizeEvent(QResizeEvent *event)
{
    QGroupBox::resizeEvent(event);
    arrangeButtons();
}

void RadioGroup::changeEvent(QEvent *event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        arrangeButtons();
}

void RadioGroup::arrangeButtons()
{
    if (m_buttons.isEmpty())
        return;
    // The caption takes one line of the font; the items share what is left below it, each
    // in a row of equal height, the odd pixels split above and below the column.
    const int captionHeight = QFontMetrics(font()).height();
    const int free = std::max(0, height() - captionHeight - 5);
    const int n = int(m_buttons.size());
    const int rowHeight = free / n;
    const int top = captionHeight + 1 + (free % n) / 2;
    const int rowWidth = std::max(0, width() - 10);
    for (int i = 0; i < n; ++i)
        m_buttons.at(i)->setGeometry(8, top + i * rowHeight, rowWidth, rowHeight);
}

} // namespace app
