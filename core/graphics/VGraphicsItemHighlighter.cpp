// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemHighlighter.h"

#include <QPainter>

namespace {
constexpr unsigned int kWidth = 18;
// Marker yellow, a little see-through so that stacked strokes deepen as real ink does.
const QColor kInk(255, 226, 0, 170);
} // namespace

VGraphicsItemHighlighter::VGraphicsItemHighlighter(VGraphicsItem* parent) : VGraphicsItemPen(parent)
{
    suppressChangeNotification();
    setStrokeWidth(kWidth);
    setStrokeColor(kInk);
    unsuppressChangeNotification();
}

VGraphicsItemHighlighter::VGraphicsItemHighlighter() : VGraphicsItemHighlighter(nullptr) {}

VGraphicsItemHighlighter::~VGraphicsItemHighlighter() = default;

void VGraphicsItemHighlighter::preparePainter(QPainter* painter) const
{
    VGraphicsItemPen::preparePainter(painter);
    QPen pen = painter->pen();
    // A chisel tip: square ends, also on a single dab.
    pen.setCapStyle(Qt::SquareCap);
    painter->setPen(pen);
    painter->setCompositionMode(QPainter::CompositionMode_Multiply);
}
