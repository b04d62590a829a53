// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QPainterPath>
#include <QVector>

// The stock grip shapes, in screen pixels around the grip's position, pointing along +x.
class TALVIKCORE_EXPORT VGripGlyph
{
public:
    // Of a fixed type, so that any number is a value and the square stands in for unknown ones.
    enum enumGlyph : int
    {
        GlyphSquare = 0,
        GlyphBar = 1,
        GlyphArrow = 2,
        GlyphCircle = 3,
    };

    static VGripGlyph* get();
    // A value outside the table gives the square.
    const QPainterPath& getStockGlyph(enumGlyph glyph) const;

    VGripGlyph(const VGripGlyph&) = delete;
    VGripGlyph& operator=(const VGripGlyph&) = delete;

private:
    VGripGlyph();

    QVector<QPainterPath> m_glyphs;
};
