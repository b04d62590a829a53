// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripGlyph.h"

#include <QPolygonF>

VGripGlyph::VGripGlyph()
{
    QPainterPath square;
    square.addRect(-3, -3, 6, 6);
    QPainterPath bar;
    bar.addRoundedRect(-2, -4, 4, 8, 2, 2, Qt::AbsoluteSize);
    QPainterPath arrow;
    arrow.addPolygon(QPolygonF({QPointF(6, 0), QPointF(-3, 5), QPointF(-3, -5), QPointF(6, 0)}));
    arrow.closeSubpath();
    QPainterPath circle;
    circle.addEllipse(-3, -3, 6, 6);
    m_glyphs = {square, bar, arrow, circle};
}

VGripGlyph* VGripGlyph::get()
{
    // Built once on first use and shared by every grip until the program ends.
    static VGripGlyph glyph;
    return &glyph;
}

const QPainterPath& VGripGlyph::getStockGlyph(enumGlyph glyph) const
{
    const int index = int(glyph);
    return index >= 0 && index < m_glyphs.size() ? m_glyphs[index] : m_glyphs[GlyphSquare];
}
