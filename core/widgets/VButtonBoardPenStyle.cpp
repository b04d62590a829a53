// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VButtonBoardPenStyle.h"

VButtonBoardPenStyle::VButtonBoardPenStyle(QWidget* parent) : VButtonBoard(parent) {}

VButtonBoardPenStyle::~VButtonBoardPenStyle() = default;

QPixmap VButtonBoardPenStyle::createButtonIcon(const QVariant& value) const
{
    const int style = value.toInt();
    // Only the styles that draw without a dash pattern of their own.
    if (style < Qt::SolidLine || style > Qt::DashDotDotLine)
        return lineIcon(buttonSize(), QPen(Qt::NoPen));
    return lineIcon(buttonSize(), QPen(QBrush(Qt::black), 0, Qt::PenStyle(style)));
}
