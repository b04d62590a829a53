// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactoryAbstract.h"

// A grip on every vertex and on every edge; an edge moves parallel to itself.
class TALVIKCORE_EXPORT VGripFactoryPolyline : public VGripFactoryAbstract
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryPolyline() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;

protected slots:
    void vertexGripMoved(VGrip* pGrip, VGraphicsItem* pItem);
    void edgeGripMoved(VGrip* pGrip, VGraphicsItem* pItem);
};
