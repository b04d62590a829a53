// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

// What a grip carries for its factory.
class TALVIKCORE_EXPORT VGripData
{
public:
    VGripData() = default;
    VGripData(const VGripData&) = default;
    VGripData& operator=(const VGripData&) = default;
    virtual ~VGripData() = default;
};
