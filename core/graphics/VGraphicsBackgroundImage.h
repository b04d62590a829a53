// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGraphicsBackground.h"

#include <QPixmap>

// The picture at the scene origin at its natural size, repeated beyond its edges.
class TALVIKCORE_EXPORT VGraphicsBackgroundImage : public VGraphicsBackground
{
public:
    explicit VGraphicsBackgroundImage(const QPixmap& image) : m_image(image) {}

    const QPixmap& image() const { return m_image; }
    void paint(QPainter* painter, const QRectF& rect) override;

private:
    QPixmap m_image;
};
