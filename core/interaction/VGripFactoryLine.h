// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VGripFactoryAbstract.h"

// A grip on each end of a line.
class TALVIKCORE_EXPORT VGripFactoryLine : public VGripFactoryAbstract
{
    Q_OBJECT

public:
    Q_INVOKABLE VGripFactoryLine() = default;

    void createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const override;

private slots:
    void startGripMoved(VGrip* pGrip, VGraphicsItem* pItem);
    void endGripMoved(VGrip* pGrip, VGraphicsItem* pItem);
};
