// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QRectF>

class QPainter;

// A guide line across the visible scene at a coordinate that the pointer snapped to.
class TALVIKCORE_EXPORT VSnapLine
{
public:
    enum SnapDirection
    {
        // The line x = position, from snapping an x coordinate.
        SnapVertical = 0,
        // The line y = position.
        SnapHorizontal = 1,
    };

    VSnapLine(double position, SnapDirection direction)
        : m_position(position), m_direction(direction)
    {
    }

    double position() const { return m_position; }
    SnapDirection direction() const { return m_direction; }

    bool intersects(const QRectF& r) const;
    // The band to repaint across r.
    QRectF rect(const QRectF& r) const;
    // One sharp device pixel wide at any zoom.
    void paint(QPainter* painter, const QRectF& r) const;

    bool operator==(const VSnapLine& other) const
    {
        return m_position == other.m_position && m_direction == other.m_direction;
    }

private:
    double m_position;
    SnapDirection m_direction;
};
