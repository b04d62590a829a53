// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

// An item without geometry of its own.
class TALVIKCORE_EXPORT VGraphicsItemDecorator : public VGraphicsItem
{
    Q_OBJECT

public:
    explicit VGraphicsItemDecorator(VGraphicsItem* parent = nullptr);
    ~VGraphicsItemDecorator() override;
};
