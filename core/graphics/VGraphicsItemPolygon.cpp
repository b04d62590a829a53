// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemPolygon.h"

VGraphicsItemPolygon::VGraphicsItemPolygon(VGraphicsItem* parent) : VGraphicsItemPolyline(parent) {}

VGraphicsItemPolygon::VGraphicsItemPolygon() : VGraphicsItemPolygon(nullptr) {}

VGraphicsItemPolygon::~VGraphicsItemPolygon() = default;

void VGraphicsItemPolygon::updateCache()
{
    VGraphicsItemPolyline::updateCache();
    if (!m_drawingPath.isEmpty())
        m_drawingPath.closeSubpath();
}
