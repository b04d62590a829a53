// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QFlags>
#include <QRectF>
#include <QString>

class QPainter;

// The look of a scene's drawn cursor, in screen pixels around the hot spot.
class TALVIKCORE_EXPORT VCursorGraphics
{
public:
    virtual QRectF boundingRect() const = 0;
    // Draws the graphics and, when text is given, its box at textRect.
    virtual void paint(QPainter* painter, const QString& text, const QRectF& textRect) const = 0;
    // Last, so the two operations keep the first places in the virtual table.
    virtual ~VCursorGraphics() = default;

    QFlags<Qt::AlignmentFlag> textAlignment() const { return m_textAlignment; }
    void setTextAlignment(QFlags<Qt::AlignmentFlag> alignment) { m_textAlignment = alignment; }

protected:
    VCursorGraphics() = default;
    VCursorGraphics(const VCursorGraphics&) = default;
    VCursorGraphics& operator=(const VCursorGraphics&) = default;

private:
    QFlags<Qt::AlignmentFlag> m_textAlignment = Qt::AlignCenter;
};
