// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VButtonBoardPenWidth.h"

VButtonBoardPenWidth::VButtonBoardPenWidth(QWidget* parent) : VButtonBoard(parent) {}

VButtonBoardPenWidth::~VButtonBoardPenWidth() = default;

QPixmap VButtonBoardPenWidth::createButtonIcon(const QVariant& value) const
{
    const int width = value.toInt();
    if (width <= 0)
        return lineIcon(buttonSize(), QPen(Qt::NoPen));
    // Flat ends, so a wide line stops at the frame instead of covering it.
    return lineIcon(buttonSize(), QPen(Qt::black, width, Qt::SolidLine, Qt::FlatCap));
}
