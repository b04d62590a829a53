// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "foundation/VUtility.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>

// Hit areas made of several segment bands. The bands are added with one orientation to a
// winding-filled path, so where two of them overlap (at every joint) the overlap stays inside
// instead of cancelling out.
namespace VHitBand {

inline QPainterPath emptyPath()
{
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    return path;
}

inline void add(QPainterPath& path, const QLineF& segment, double strokeWidth)
{
    QPolygonF band = VUtility::polygonFromLine(segment, strokeWidth);
    double twiceArea = 0;
    for (int i = 1; i < band.size(); ++i)
        twiceArea += band[i - 1].x() * band[i].y() - band[i].x() * band[i - 1].y();
    if (twiceArea < 0)
        std::reverse(band.begin(), band.end());
    path.addPolygon(band);
    path.closeSubpath();
}

} // namespace VHitBand
