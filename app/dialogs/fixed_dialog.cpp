// SPDX-License-Identifier: MIT
#include "fixed_dialog.h"

#include "font_mapping.h"
#include "window_placement.h"

namespace app {

FixedDialog::FixedDialog(const QString &caption, QSize clientSize, const drawing::Font &font,
                         QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                   | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientSize);
    setFont(drawing::toQFont(font));
    setSizeGripEnabled(false);
    // Placed now, so that Qt does not put it over the owner when it is shown.
    centreOnScreen(*this);
}

void FixedDialog::setVisible(bool visible)
{
    if (visible) {
        centreOnScreen(*this);
    }
    QDialog::setVisible(visible);
    // exec() shows the dialog through here; only now is the size of its frame known.
    if (visible)
        centreOnScreen(*this);
}

} // namespace app
