// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactoryAbstract.h"

// Holds an image's place in the factory order; its size grips come from the size factory.
class TALVIKCORE_EXPORT VGripFactoryImage : public VGripFactoryAbstract
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryImage() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;

private slots:
    void gripMoved(VGrip* pGrip, VGraphicsItem* pItem);
};
