// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptPolyline.h"

#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemPolyline.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"
#include "widgets/VCanvas.h"

#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>

VCreatePromptPolyline::VCreatePromptPolyline() = default;

VCreatePromptPolyline::~VCreatePromptPolyline()
{
    if (m_pRubberBand && scene())
        scene()->removeActiveItem(m_pRubberBand.get());
}

VGraphicsItemPolyline* VCreatePromptPolyline::sample()
{
    return static_cast<VGraphicsItemPolyline*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptPolyline::createSample() const
{
    return new VGraphicsItemPolyline;
}

void VCreatePromptPolyline::onStart()
{
    VCreatePrompt::onStart();
    canvas()->showBalloon(tr("How To Draw Polyline/Polygon"),
                          tr(" - Single Click to add a point.<br> - Right Click or Double Click "
                             "to finish.<br> - Press ESC key to cancel."),
                          Qt::AlignRight | Qt::AlignTop);
}

bool VCreatePromptPolyline::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::RightButton)
        return false;
    if (hasSample())
        finish();
    else
        cancel();
    return true;
}

bool VCreatePromptPolyline::mouseRelease(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    const QVector3D p(event->scenePos());
    if (!hasSample()) {
        resetSample();
        sample()->addPoint(p);
        m_pRubberBand = std::make_unique<VGraphicsItemLine>();
        m_pRubberBand->setLine(p, p);
        scene()->addActiveItem(m_pRubberBand.get());
        scene()->cursor()->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        sample()->addPoint(p);
    }
    return true;
}

bool VCreatePromptPolyline::mouseDoubleClick(QGraphicsSceneMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return false;
    if (hasSample())
        finish();
    return true;
}

bool VCreatePromptPolyline::mouseMove(QGraphicsSceneMouseEvent* event)
{
    VCreatePrompt::mouseMove(event);
    if (hasSample() && m_pRubberBand)
        m_pRubberBand->setLine(sample()->pointAt(sample()->pointCount() - 1),
                               QVector3D(event->scenePos()));
    scene()->cursor()->updateText(positionText(event->scenePos()));
    return true;
}

bool VCreatePromptPolyline::keyRelease(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Enter) {
        finish();
        return true;
    }
    return VCreatePrompt::keyRelease(event);
}

void VCreatePromptPolyline::onStop()
{
    VCreatePrompt::onStop();
    if (m_pRubberBand) {
        scene()->removeActiveItem(m_pRubberBand.get());
        m_pRubberBand.reset();
    }
}
