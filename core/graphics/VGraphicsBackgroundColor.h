// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGraphicsBackground.h"

#include <QColor>

class TALVIKCORE_EXPORT VGraphicsBackgroundColor : public VGraphicsBackground
{
public:
    explicit VGraphicsBackgroundColor(const QColor& color) : m_color(color) {}

    const QColor& color() const { return m_color; }
    void paint(QPainter* painter, const QRectF& rect) override;

private:
    QColor m_color;
};
