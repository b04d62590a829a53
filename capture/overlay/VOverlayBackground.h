// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsBackground.h"

#include <QPixmap>

// The frozen screen under the pickers, dimmed as it is painted: the overlay holds one picture
// of the screen, shared with every area cut from it, and no dimmed copy. Only the part being
// painted is copied, then darkened where it landed, so the pixels are those of the whole
// picture dimmed once.
class VOverlayBackground : public VGraphicsBackground
{
public:
    // Black at this opacity over the picture.
    static constexpr double kDimming = 0.6;

    explicit VOverlayBackground(const QPixmap& screen) : m_screen(screen) {}

    // rect is in the picture's pixels, which the scene counts.
    void paint(QPainter* painter, const QRectF& rect) override;

private:
    QPixmap m_screen;
};
