#include "VCreatePromptPen.h"

#include "graphics/VGraphicsItemPen.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"
#include "widgets/VCanvas.h"

#include <QGraphicsSceneMouseEvent>

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

bool VCreatePromptPen::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (hasSample())
            return false;
        resetSample();
        sample()->addPoint(QVector3D(event->scenePos()));
        return true;
    }
    if (event->button() == Qt::RightButton) {
        dropSampleOrCancel();
        return true;
    }
    return false;
}

bool VCreatePromptPen::mouseRelease(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasSample())
        return false;
    sample()->addPoint(QVector3D(event->scenePos()));
    finish();
    return true;
}

bool VCreatePromptPen::mouseMove(QGraphicsSceneMouseEvent* event)
{
    VCreatePrompt::mouseMove(event);
    if (hasSample())
        sample()->addPoint(QVector3D(event->scenePos()));
    scene()->cursor()->updateText(positionText(event->scenePos()));
    return true;
}
