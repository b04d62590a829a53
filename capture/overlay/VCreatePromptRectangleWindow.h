// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "interaction/VCreatePromptRectangle.h"

// The rectangle tool picking a captured area of the frozen screen.
class VCreatePromptRectangleWindow : public VCreatePromptRectangle
{
    Q_OBJECT

public:
    VCreatePromptRectangleWindow() = default;

protected:
    VGraphicsItem* createSample() const override;
};
