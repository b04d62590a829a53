// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptDrag.h"

#include "graphics/VGraphicsScene.h"
#include "VCursor.h"

#include <QGraphicsSceneMouseEvent>

bool VCreatePromptDrag::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (hasSample())
            return false;
        resetSample();
        follow(QVector3D(event->scenePos()));
        return true;
    }
    if (event->button() == Qt::RightButton) {
        dropSampleOrCancel();
        return true;
    }
    return false;
}

bool VCreatePromptDrag::mouseRelease(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasSample())
        return false;
    follow(QVector3D(event->scenePos()));
    finish();
    return true;
}

bool VCreatePromptDrag::mouseMove(QGraphicsSceneMouseEvent* event)
{
    VCreatePrompt::mouseMove(event);
    if (hasSample())
        follow(QVector3D(event->scenePos()));
    scene()->cursor()->updateText(cursorText(event->scenePos()));
    return true;
}
