// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactoryPolyline.h"

// A polygon's grips come from the polyline factory, which also finds it closed.
class TALVIKCORE_EXPORT VGripFactoryPolygon : public VGripFactoryPolyline
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryPolygon() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;
};
