// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptRectangleWindow.h"

#include "VGraphicsItemRectangleWindow.h"

VGraphicsItem* VCreatePromptRectangleWindow::createSample() const
{
    return new VGraphicsItemRectangleWindow;
}
