#include "VCreatePromptStepMarker.h"

#include "graphics/VGraphicsItemStepMarker.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"
#include "widgets/VCanvas.h"

#include <QGraphicsSceneMouseEvent>

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

bool VCreatePromptStepMarker::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (hasSample())
            return false;
        resetSample();
        sample()->setPosition(QVector3D(event->scenePos()));
        return true;
    }
    if (event->button() == Qt::RightButton) {
        dropSampleOrCancel();
        return true;
    }
    return false;
}

bool VCreatePromptStepMarker::mouseRelease(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasSample())
        return false;
    sample()->setPosition(QVector3D(event->scenePos()));
    finish();
    return true;
}

bool VCreatePromptStepMarker::mouseMove(QGraphicsSceneMouseEvent* event)
{
    VCreatePrompt::mouseMove(event);
    if (hasSample())
        sample()->setPosition(QVector3D(event->scenePos()));
    scene()->cursor()->updateText(tr("Step %1").arg(
        hasSample() ? sample()->number() : VGraphicsItemStepMarker::nextNumber(scene())));
    return true;
}
