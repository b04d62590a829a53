// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCursorGraphics.h"

// A 41-pixel cross that inverts what lies under it, with a dark rounded text box.
class TALVIKCORE_EXPORT VCursorGraphicsCross : public VCursorGraphics
{
public:
    VCursorGraphicsCross() = default;

    QRectF boundingRect() const override { return QRectF(-20, -20, 41, 41); }
    void paint(QPainter* painter, const QString& text, const QRectF& textRect) const override;
};
