// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace app {

/**
 * A captioned frame with its items as radio buttons in one column and the index of the selected
 * item. `clicked` is emitted when the user selects an item that was not selected.
 */
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent = nullptr);

    /** The selected item, or -1 when none is. */
    int itemIndex() const;
    /** Selects an item (without emitting `clicked`); -1 clears the selection. */
    void setItemIndex(int index);
    QRadioButton *button(int index) const { return m_buttons.value(index); }
    int count() const { return int(m_buttons.size()); }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    /** Spreads the items evenly over the frame below the caption. */
    void arrangeButtons();

    QButtonGroup *m_group = nullptr;
    QList<QRadioButton *> m_buttons;
    bool m_settingIndex = false;
};

} // namespace app
