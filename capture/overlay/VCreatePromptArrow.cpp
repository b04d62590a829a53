// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptArrow.h"

#include "VGraphicsItemArrow.h"

VGraphicsItem* VCreatePromptArrow::createSample() const
{
    return new VGraphicsItemArrow;
}
