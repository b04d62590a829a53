// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptLine.h"

#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"

#include <QGraphicsSceneMouseEvent>

VGraphicsItemLine* VCreatePromptLine::sample()
{
    return static_cast<VGraphicsItemLine*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptLine::createSample() const
{
    return new VGraphicsItemLine;
}

bool VCreatePromptLine::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (hasSample())
            return false;
        resetSample();
        const QVector3D p(event->scenePos());
        sample()->setLine(p, p);
        return true;
    }
    if (event->button() == Qt::RightButton) {
        dropSampleOrCancel();
        return true;
    }
    return false;
}

bool VCreatePromptLine::mouseRelease(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return true;
    if (hasSample()) {
        sample()->setEndPoint(QVector3D(event->scenePos()));
        finish();
    }
    return true;
}

bool VCreatePromptLine::mouseMove(QGraphicsSceneMouseEvent* event)
{
    VCreatePrompt::mouseMove(event);
    if (hasSample()) {
        sample()->setEndPoint(QVector3D(event->scenePos()));
        scene()->cursor()->updateText(tr("Length: %1").arg(readOut(sample()->length())));
    } else {
        scene()->cursor()->updateText(positionText(event->scenePos()));
    }
    return true;
}
