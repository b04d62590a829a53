// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePrompt.h"

#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"
#include "VCursorGraphicsCross.h"
#include "widgets/VCanvas.h"

#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>

#include <cmath>

VCreatePrompt::VCreatePrompt()
{
    setPriority(VV::FilterPriorityCreatePrompt);
}

VCreatePrompt::~VCreatePrompt()
{
    if (m_bOwnsSample && m_pSample) {
        if (scene())
            scene()->removeActiveItem(m_pSample);
        delete m_pSample.data();
    }
}

void VCreatePrompt::start(VCanvas* canvas)
{
    canvas->scene()->cancelCurrentPrompt();
    VEventFilter::start(canvas);
}

void VCreatePrompt::onStart()
{
    VEventFilter::onStart();
    connect(this, &VCreatePrompt::finished, scene(), &VGraphicsScene::onCreatePromptFinished,
            Qt::QueuedConnection);
    connect(this, &VCreatePrompt::cancelled, scene(), &VGraphicsScene::onCreatePromptFinished,
            Qt::QueuedConnection);
    // A text being edited would lose every key the tool takes, so its editing ends here.
    if (QGraphicsItem* focused = scene()->focusItem())
        focused->clearFocus();
    VCursor* cursor = scene()->cursor();
    cursor->setGraphics(new VCursorGraphicsCross, true);
    cursor->updateText(positionText(cursor->pos()));
}

QString VCreatePrompt::positionText(const QPointF& position) const
{
    return QStringLiteral("(%1,%2)").arg(readOut(position.x()), readOut(position.y()));
}

QString VCreatePrompt::readOut(double value) const
{
    if (scene()->scale() > 1)
        return QString::number(value, 'f', 1);
    return QString::number(qRound(value));
}

QPointF VCreatePrompt::snapToGrid(const QPointF& position, double scale)
{
    if (scale <= 1)
        return position;
    const double step = scale <= 4 ? 0.5 : 0.1;
    // Halves go up.
    auto round = [step](double v) { return step * std::floor(v / step + 0.5); };
    return QPointF(round(position.x()), round(position.y()));
}

void VCreatePrompt::snapMouse(QGraphicsSceneMouseEvent* event) const
{
    event->setScenePos(snapToGrid(event->scenePos(), scene()->scale()));
}

bool VCreatePrompt::eventFilter(QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(static_cast<QKeyEvent*>(event));
    case QEvent::KeyRelease:
        return keyRelease(static_cast<QKeyEvent*>(event));
    case QEvent::GraphicsSceneMouseMove:
    case QEvent::GraphicsSceneMousePress:
    case QEvent::GraphicsSceneMouseRelease:
    case QEvent::GraphicsSceneMouseDoubleClick:
        break;
    default:
        return false;
    }
    auto* mouse = static_cast<QGraphicsSceneMouseEvent*>(event);
    snapMouse(mouse);
    switch (event->type()) {
    case QEvent::GraphicsSceneMouseMove:
        return mouseMove(mouse);
    case QEvent::GraphicsSceneMousePress:
        return mousePress(mouse);
    case QEvent::GraphicsSceneMouseRelease:
        return mouseRelease(mouse);
    default:
        return mouseDoubleClick(mouse);
    }
}

bool VCreatePrompt::mousePress(QGraphicsSceneMouseEvent*)
{
    return false;
}

bool VCreatePrompt::mouseRelease(QGraphicsSceneMouseEvent*)
{
    return false;
}

bool VCreatePrompt::mouseDoubleClick(QGraphicsSceneMouseEvent*)
{
    return false;
}

bool VCreatePrompt::mouseMove(QGraphicsSceneMouseEvent* event)
{
    scene()->cursor()->updateScenePos(event->scenePos());
    return false;
}

bool VCreatePrompt::keyPress(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        break;
    // One screen pixel at a time, for precise placement.
    case Qt::Key_Left:
        QCursor::setPos(QCursor::pos() + QPoint(-1, 0));
        break;
    case Qt::Key_Up:
        QCursor::setPos(QCursor::pos() + QPoint(0, -1));
        break;
    case Qt::Key_Right:
        QCursor::setPos(QCursor::pos() + QPoint(1, 0));
        break;
    case Qt::Key_Down:
        QCursor::setPos(QCursor::pos() + QPoint(0, 1));
        break;
    default:
        break;
    }
    return true;
}

bool VCreatePrompt::keyRelease(QKeyEvent*)
{
    return true;
}

void VCreatePrompt::onStop()
{
    VCursor* cursor = scene()->cursor();
    cursor->updateText(QString());
    cursor->unsetGraphics(true);
}

void VCreatePrompt::finish()
{
    disable();
    onStop();
    if (m_pSample) {
        m_bOwnsSample = false;
        scene()->removeActiveItem(m_pSample);
        scene()->addPersistenItem(m_pSample, true);
    }
    emit finished(this);
}

void VCreatePrompt::cancel()
{
    disable();
    removeSample();
    onStop();
    emit cancelled(this);
}

void VCreatePrompt::onRemoved()
{
    if (!isEnabled())
        return;
    disable();
    onStop();
    removeSample();
}

void VCreatePrompt::resetSample()
{
    removeSample();
    m_pSample = createSample();
    m_bOwnsSample = !m_pSample.isNull();
    if (!m_pSample)
        return;
    if (const double factor = canvas() ? canvas()->defaultItemScale() : 1.0; factor != 1.0)
        m_pSample->scaleDefaults(factor);
    scene()->addActiveItem(m_pSample);
}

void VCreatePrompt::dropSampleOrCancel()
{
    if (hasSample())
        removeSample();
    else
        cancel();
}

void VCreatePrompt::removeSample()
{
    if (!m_pSample || !m_bOwnsSample)
        return;
    scene()->removeActiveItem(m_pSample);
    delete m_pSample.data();
    m_pSample = nullptr;
    m_bOwnsSample = false;
}
