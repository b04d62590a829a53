// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "interaction/VCreatePromptLine.h"

// The line tool drawing arrows.
class VCreatePromptArrow : public VCreatePromptLine
{
    Q_OBJECT

public:
    VCreatePromptArrow() = default;

protected:
    VGraphicsItem* createSample() const override;
};
