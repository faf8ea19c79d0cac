// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include <functional>

namespace app {

/**
 * Shows `dialog` modal to its parent window without a loop of its own (a browser has none),
 * runs `finished` with its result when it ends, and frees it then.
 */
inline void openModal(QDialog *dialog, std::function<void(int result)> finished = {})
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (finished)
        QObject::connect(dialog, &QDialog::finished, dialog, std::move(finished));
    dialog->open();
}

} // namespace app
