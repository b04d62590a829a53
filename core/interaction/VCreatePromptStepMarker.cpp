// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptStepMarker.h"

#include "graphics/VGraphicsItemStepMarker.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"

VGraphicsItemStepMarker* VCreatePromptStepMarker::sample()
{
    return static_cast<VGraphicsItemStepMarker*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptStepMarker::createSample() const
{
    auto* pMarker = new VGraphicsItemStepMarker;
    pMarker->setNumber(VGraphicsItemStepMarker::nextNumber(scene()));
    return pMarker;
}

void VCreatePromptStepMarker::onStart()
{
    VCreatePrompt::onStart();
    canvas()->showBalloon(tr("How To Number Steps"),
                          tr(" - Left Click where the next step marker goes.<br> - Right Click "
                             "or press ESC key to cancel."),
                          Qt::AlignRight | Qt::AlignTop);
}

void VCreatePromptStepMarker::follow(const QVector3D& point)
{
    sample()->setPosition(point);
}

QString VCreatePromptStepMarker::cursorText(const QPointF&)
{
    return tr("Step %1").arg(hasSample() ? sample()->number()
                                         : VGraphicsItemStepMarker::nextNumber(scene()));
}
