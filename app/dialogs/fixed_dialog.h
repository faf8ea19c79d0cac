// SPDX-License-Identifier: MIT
#pragma once

#include "surface.h"

#include <QDialog>

namespace app {

/**
 * A dialog of fixed client size with a caption, a default font and a title bar with the close
 * box only, shown in the middle of its screen, its frame counted, rather than over its owner.
 */
class FixedDialog : public QDialog
{
    Q_OBJECT

public:
    FixedDialog(const QString &caption, QSize clientSize, const drawing::Font &font,
                QWidget *parent = nullptr);

    void setVisible(bool visible) override;
};

} // namespace app
