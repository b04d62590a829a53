// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptEllipse.h"

#include "graphics/VGraphicsItemEllipse.h"
#include "widgets/VCanvas.h"

VGraphicsItem* VCreatePromptEllipse::createSample() const
{
    return new VGraphicsItemEllipse;
}

void VCreatePromptEllipse::showHelp()
{
    canvas()->showBalloon(
        tr("How To Draw Ellipse"),
        tr(" - Left Click and drag the box the ellipse fits in.<br> - Right Click or press ESC "
           "key to cancel."),
        Qt::AlignRight | Qt::AlignTop);
}
