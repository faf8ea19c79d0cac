// SPDX-License-Identifier: MIT
#pragma once

#include "fixed_dialog.h"

class QLabel;
class QPushButton;

namespace app {
class Memo;
} // namespace app

/**
 * The About window: the program's name, the series label, the terms of free use in a read-only
 * notice, a red "Freeware" mark, a credit and the side picture. It has no behaviour of its own:
 * "OK" closes it with the modal result 1, the close box closes it as well.
 */
class Tform2 : public app::FixedDialog
{
    Q_OBJECT

public:
    explicit Tform2(QWidget *parent = nullptr);

    /** The ten lines of the notice, as the window shows them. */
    static QStringList noticeLines();

    QLabel *Image1 = nullptr;
    QLabel *StaticText2 = nullptr;
    QLabel *StaticText1 = nullptr;
    app::Memo *Memo1 = nullptr;
    QPushButton *OKButton = nullptr;
    QLabel *StaticText8 = nullptr;
    QLabel *Label2 = nullptr;
};
