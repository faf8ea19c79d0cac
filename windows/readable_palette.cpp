// SPDX-License-Identifier: MIT
#include "readable_palette.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace windows {

bool isDarkPalette(const QPalette &palette)
{
    return palette.color(QPalette::WindowText).lightnessF()
        > palette.color(QPalette::Window).lightnessF();
}

void useReadablePalette()
{
    if (!isDarkPalette(QApplication::palette()))
        return;
    QPalette light = QApplication::style()->standardPalette();
    if (isDarkPalette(light)) {
        // The classic light scheme: grey faces, black text, white boxes, a blue selection.
        light = QPalette(QColor(239, 239, 239));
        light.setColor(QPalette::WindowText, Qt::black);
        light.setColor(QPalette::Text, Qt::black);
        light.setColor(QPalette::ButtonText, Qt::black);
        light.setColor(QPalette::Base, Qt::white);
        light.setColor(QPalette::Highlight, QColor(48, 140, 198));
        light.setColor(QPalette::HighlightedText, Qt::white);
    }
    QApplication::setPalette(light);
}

} // namespace windows
