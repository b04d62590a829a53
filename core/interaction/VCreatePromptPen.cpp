// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptPen.h"

#include "graphics/VGraphicsItemPen.h"
#include "widgets/VCanvas.h"

VGraphicsItemPen* VCreatePromptPen::sample()
{
    return static_cast<VGraphicsItemPen*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptPen::createSample() const
{
    return new VGraphicsItemPen;
}

void VCreatePromptPen::onStart()
{
    VCreatePrompt::onStart();
    showHelp();
}

void VCreatePromptPen::showHelp()
{
    canvas()->showBalloon(tr("How To Draw Freehand"),
                          tr(" - Left Click and drag to draw.<br> - Right Click or press ESC key "
                             "to cancel."),
                          Qt::AlignRight | Qt::AlignTop);
}

void VCreatePromptPen::follow(const QVector3D& point)
{
    sample()->addPoint(point);
}
