// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactoryAbstract.h"

#include <QRectF>

// Four corner and four edge grips; a drag stretches the item (images).
class TALVIKCORE_EXPORT VGripFactorySize : public VGripFactoryAbstract
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactorySize() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;

protected slots:
    virtual void gripMoved(VGrip* pGrip, VGraphicsItem* pItem);

protected:
    // The item's boundary with the edges the grip stands for moved by its drag.
    QRectF getNewBoundary(VGrip* pGrip, VGraphicsItem* pItem) const;
};
