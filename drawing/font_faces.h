// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace drawing {

/**
 * Makes `data` known to Qt as the face `family`. False, with nothing left registered, when Qt
 * cannot read it or it holds another family.
 */
bool registerFace(const QByteArray &data, const QString &family);

} // namespace drawing
