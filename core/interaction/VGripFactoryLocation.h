// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactoryAbstract.h"

// The cyan grip at the centre that moves the whole item.
class TALVIKCORE_EXPORT VGripFactoryLocation : public VGripFactoryAbstract
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryLocation() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;

public slots:
    void gripMoved(VGrip* pGrip, VGraphicsItem* pItem);
};
