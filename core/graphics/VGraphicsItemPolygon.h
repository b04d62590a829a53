// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VGraphicsItemPolyline.h"

// A polyline drawn closed. The closing edge is drawn but has no hit band of its own; only a
// filled polygon is hit there, through its inside.
class TALVIKCORE_EXPORT VGraphicsItemPolygon : public VGraphicsItemPolyline
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit VGraphicsItemPolygon(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemPolygon();
    ~VGraphicsItemPolygon() override;

private:
    void updateCache() override;
};
