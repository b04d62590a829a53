// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGrip.h"

#include "foundation/VUtility.h"
#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsScene.h"
#include "VCursor.h"
#include "VGripFactoryAbstract.h"
#include "foundation/VPainterAntiScale.h"

#include <QGraphicsSceneHoverEvent>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <cmath>

VGrip::VGrip(VGraphicsItem* item) : m_pItem(item)
{
    setAcceptHoverEvents(true);
    setAcceptedMouseButtons(Qt::LeftButton);
    setFlags(ItemIsMovable | ItemIgnoresParentOpacity | ItemSendsGeometryChanges);
    // The scene's cursor draws the pointer while it is bound to the grip.
    setCursor(Qt::BlankCursor);
}

VGrip::~VGrip()
{
    if (m_bHoverBound && scene())
        scene()->cursor()->unbind(this);
}

VGraphicsScene* VGrip::scene() const
{
    return qobject_cast<VGraphicsScene*>(QGraphicsObject::scene());
}

void VGrip::setBasePoint(const QVector3D& point)
{
    m_basePoint = point;
    setPos(point.toPointF());
}

void VGrip::setGlyph(VGripGlyph::enumGlyph glyph)
{
    prepareGeometryChange();
    m_glyph = glyph;
}

void VGrip::setConstraint(VGripConstraint* constraint)
{
    if (constraint != m_pConstraint.get())
        m_pConstraint.reset(constraint);
}

void VGrip::setAdditionalGraphics(VGripAdditionalGraphics* graphics)
{
    if (graphics != m_pAdditionalGraphics.get())
        m_pAdditionalGraphics.reset(graphics);
}

const QPainterPath& VGrip::glyph() const
{
    return VGripGlyph::get()->getStockGlyph(m_glyph);
}

QRectF VGrip::boundingRect() const
{
    const QRectF r = glyph().boundingRect().adjusted(-3, -3, 3, 3);
    const VGraphicsScene* pScene = scene();
    if (!pScene || !pScene->view())
        return r;
    // Constant size on screen: the area in the scene shrinks as the view zooms in.
    const double s = pScene->scale();
    return QTransform::fromScale(1 / s, 1 / s).mapRect(r);
}

void VGrip::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    painter->setOpacity(0.85);
    painter->setBrush(m_fillColor);
    painter->setPen(QPen(m_penColor, 0));
    VPainterAntiScale antiScale(*painter);
    VUtility::FixPainterAlias(painter);
    painter->rotate(std::atan2(m_direction.y(), m_direction.x()) * 180 / M_PI);
    painter->drawPath(glyph());
}

void VGrip::setDragStatus(VV::enumGripDragStatus status)
{
    m_dragStatus = status;
    emit dragStatusChanged(status);
}

bool VGrip::sceneEvent(QEvent* event)
{
    if (event->type() == QEvent::GrabMouse) {
        if (m_pFactory)
            m_pFactory->onGripDragStarted();
        if (m_dragStatus != VV::GripPressed)
            setDragStatus(VV::GripPressed);
    } else if (event->type() == QEvent::UngrabMouse) {
        finishDrag();
    }
    return QGraphicsObject::sceneEvent(event);
}

QVariant VGrip::itemChange(GraphicsItemChange change, const QVariant& value)
{
    VGraphicsScene* pScene = scene();
    if (!pScene)
        return QGraphicsObject::itemChange(change, value);
    switch (change) {
    case ItemPositionChange: {
        // Without a view nothing is visible to stay within.
        if (!pScene->view())
            break;
        const QRectF visible = pScene->visibleRect();
        QPointF p = value.toPointF();
        if (p.x() < visible.left())
            p.setX(visible.left());
        else if (p.x() > visible.right())
            p.setX(visible.right());
        if (p.y() < visible.top())
            p.setY(visible.top());
        else if (p.y() > visible.bottom())
            p.setY(visible.bottom());
        return p;
    }
    case ItemPositionHasChanged:
        dragOperation(VV::GripDragging, QVector3D(value.toPointF()));
        break;
    case ItemSceneChange: {
        finishDrag();
        QGraphicsSceneHoverEvent leave(QEvent::None);
        hoverLeaveEvent(&leave);
        break;
    }
    default:
        break;
    }
    return QGraphicsObject::itemChange(change, value);
}

void VGrip::dragOperation(VV::enumGripDragStatus status, const QVector3D& position)
{
    m_offset = position - m_basePoint;
    if (m_pConstraint)
        m_offset = QVector3D(m_pConstraint->filtered(m_offset), 0);
    cleanMovingItem();
    // A fresh copy each time: the factory applies the whole drag to the unchanged item.
    m_pMovingItem.reset(m_pItem ? m_pItem->clone() : nullptr);
    if (m_pMovingItem) {
        m_pMovingItem->setOpacity(m_pItem->opacity() * 0.5);
        scene()->addActiveItem(m_pMovingItem.get());
        emit moved(this, m_pMovingItem.get());
    }
    if (m_dragStatus != status)
        setDragStatus(status);
}

void VGrip::finishDrag()
{
    if (m_dragStatus == VV::GripDragging) {
        if (m_pItem)
            emit moved(this, m_pItem);
        cleanMovingItem();
        if (m_pFactory)
            m_pFactory->onGripDragEnded();
    } else if (m_dragStatus == VV::GripPressed) {
        if (m_pFactory)
            m_pFactory->onGripDragEnded();
    }
    setDragStatus(VV::GripReleased);
    setDragStatus(VV::GripIdle);
}

void VGrip::cleanMovingItem()
{
    if (!m_pMovingItem)
        return;
    if (VGraphicsScene* pScene = scene())
        pScene->removeActiveItem(m_pMovingItem.get());
    m_pMovingItem.reset();
}

void VGrip::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    if (VGraphicsScene* pScene = scene()) {
        pScene->cursor()->bind(this);
        m_bHoverBound = true;
    }
    QGraphicsObject::hoverEnterEvent(event);
}

void VGrip::hoverMoveEvent(QGraphicsSceneHoverEvent* event)
{
    QGraphicsObject::hoverMoveEvent(event);
}

void VGrip::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    if (m_bHoverBound) {
        m_bHoverBound = false;
        if (VGraphicsScene* pScene = scene())
            pScene->cursor()->unbind(this);
    }
    QGraphicsObject::hoverLeaveEvent(event);
}

void VGrip::mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event)
{
    event->ignore();
}
