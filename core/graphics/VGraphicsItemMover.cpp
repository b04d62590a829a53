// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemMover.h"

#include "VGraphicsItem.h"
#include "VGraphicsLayer.h"
#include "VGraphicsScene.h"

#include <QGraphicsItem>
#include <QGraphicsSceneMouseEvent>
#include <QKeyEvent>
#include <QTransform>
#include <QVector3D>

VGraphicsItemMover::VGraphicsItemMover(VGraphicsScene* pScene) : m_pScene(pScene) {}

void VGraphicsItemMover::pressed(VGraphicsLayer* pLayer, const QGraphicsSceneMouseEvent* event)
{
    if (isDragging() || event->button() != Qt::LeftButton)
        return;
    const QGraphicsItem* pHit = pLayer->itemAt(event->scenePos(), QTransform());
    // An item that moves itself is left to it.
    if (!pHit || !pHit->isSelected() || (pHit->flags() & QGraphicsItem::ItemIsMovable))
        return;
    m_pLayer = pLayer;
    m_last = event->scenePos();
    m_pScene->history().beginGroup(this);
}

bool VGraphicsItemMover::moved(const QGraphicsSceneMouseEvent* event)
{
    if (!isDragging())
        return false;
    if (!(event->buttons() & Qt::LeftButton)) {
        // The release went elsewhere, such as to a dialog that opened meanwhile.
        released();
        return false;
    }
    const QPointF delta = event->scenePos() - m_last;
    m_last = event->scenePos();
    moveSelection(m_pLayer, delta);
    return true;
}

void VGraphicsItemMover::released()
{
    if (!isDragging())
        return;
    m_pLayer = nullptr;
    m_pScene->history().endGroup(this);
}

bool VGraphicsItemMover::nudge(const QKeyEvent* event)
{
    const double step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPointF delta;
    switch (event->key()) {
    case Qt::Key_Left:
        delta = QPointF(-step, 0);
        break;
    case Qt::Key_Right:
        delta = QPointF(step, 0);
        break;
    case Qt::Key_Up:
        delta = QPointF(0, -step);
        break;
    case Qt::Key_Down:
        delta = QPointF(0, step);
        break;
    default:
        return false;
    }
    if (isDragging() || m_pScene->isDragging() || m_pScene->layers().isEmpty())
        return false;
    VGraphicsLayer* pLayer = m_pScene->activeLayer();
    if (pLayer->selectedItems().isEmpty())
        return false;
    // Each press its own step, however many arrive in one turn of the event loop.
    VGraphicsHistory& history = m_pScene->history();
    history.closeStep();
    moveSelection(pLayer, delta);
    history.closeStep();
    return true;
}

void VGraphicsItemMover::moveSelection(VGraphicsLayer* pLayer, const QPointF& delta)
{
    if (delta.isNull())
        return;
    const QList<VGraphicsItem*> selected = pLayer->selectedItems();
    for (VGraphicsItem* pItem : selected)
        pItem->setTranslation(QVector3D(delta), true);
}
