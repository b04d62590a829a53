// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VProblemLabel.h"

#include <QEvent>

VProblemLabel::VProblemLabel(QWidget* parent) : QLabel(parent)
{
    applyColour();
}

void VProblemLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyColour();
}

void VProblemLabel::applyColour()
{
    // Both above 4.5:1 on the window colours of common light and dark schemes.
    const bool dark = palette().color(QPalette::Window).lightness() < 128;
    const QColor red = dark ? QColor(255, 140, 140) : QColor(176, 0, 32);
    if (palette().color(QPalette::WindowText) == red)
        return;
    // Only the text colour is set: the rest still follows the window.
    QPalette own;
    own.setColor(QPalette::WindowText, red);
    setPalette(own);
}
