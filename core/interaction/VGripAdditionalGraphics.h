// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

// Something a grip may carry along; it draws nothing of its own.
class TALVIKCORE_EXPORT VGripAdditionalGraphics
{
public:
    VGripAdditionalGraphics() = default;
    VGripAdditionalGraphics(const VGripAdditionalGraphics&) = default;
    VGripAdditionalGraphics& operator=(const VGripAdditionalGraphics&) = default;
    virtual ~VGripAdditionalGraphics() = default;
};
