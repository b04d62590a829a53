// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptRectangle.h"

#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"
#include "widgets/VCanvas.h"

#include <QGraphicsSceneMouseEvent>

VGraphicsItemRectangle* VCreatePromptRectangle::sample()
{
    return static_cast<VGraphicsItemRectangle*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptRectangle::createSample() const
{
    return new VGraphicsItemRectangle;
}

void VCreatePromptRectangle::onStart()
{
    VCreatePrompt::onStart();
    showHelp();
}

void VCreatePromptRectangle::showHelp()
{
    canvas()->showBalloon(
        tr("How To Draw Rectangle"),
        tr(" - Left Click and drag to select a region.<br> - Right Click or press ESC key to "
           "cancel."),
        Qt::AlignRight | Qt::AlignTop);
}

bool VCreatePromptRectangle::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (hasSample())
            return false;
        resetSample();
        if (!m_fillImage.isNull())
            sample()->setAreaPicture(m_fillImage);
        sample()->setPoint1(QVector3D(event->scenePos()));
        scene()->cursor()->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return true;
    }
    if (event->button() == Qt::RightButton) {
        dropSampleOrCancel();
        return true;
    }
    return false;
}

bool VCreatePromptRectangle::mouseRelease(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !hasSample())
        return false;
    sample()->setPoint2(QVector3D(event->scenePos()));
    finish();
    return true;
}

bool VCreatePromptRectangle::mouseMove(QGraphicsSceneMouseEvent* event)
{
    VCreatePrompt::mouseMove(event);
    if (hasSample()) {
        sample()->setPoint2(QVector3D(event->scenePos()));
        const QRectF r = sample()->boundary();
        scene()->cursor()->updateText(
            tr("Width: %1\nHeight: %2").arg(readOut(r.width()), readOut(r.height())));
    } else {
        scene()->cursor()->updateText(positionText(event->scenePos()));
    }
    return true;
}
