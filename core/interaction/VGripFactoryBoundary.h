// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactorySize.h"

// The size grips, but a drag replaces the rectangle's boundary: outline and text keep their size.
class TALVIKCORE_EXPORT VGripFactoryBoundary : public VGripFactorySize
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryBoundary() = default;

protected slots:
    void gripMoved(VGrip* pGrip, VGraphicsItem* pItem) override;
};
