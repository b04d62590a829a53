// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemRectangle.h"

#include "data/VDataConvert.h"
#include "foundation/VRestorePainter.h"
#include "foundation/VUtility.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"
#include "VHitBand.h"

#include <QPainter>

VGraphicsItemRectangle::VGraphicsItemRectangle(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemRectangle::VGraphicsItemRectangle() : VGraphicsItemRectangle(nullptr) {}

VGraphicsItemRectangle::~VGraphicsItemRectangle() = default;

void VGraphicsItemRectangle::setPoint1(const QVector3D& p)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_rectData.mutable_origin(), ecsInverse().map(p));
}

void VGraphicsItemRectangle::setPoint2(const QVector3D& p)
{
    VGraphicsItemChangeNotifier notifier(this);
    const QVector3D q = ecsInverse().map(p);
    const VFileFormat::Vector2D& origin = m_rectData.origin();
    VFileFormat::Vector2D* dimension = m_rectData.mutable_dimension();
    dimension->set_x(double(q.x()) - origin.x());
    dimension->set_y(double(q.y()) - origin.y());
}

void VGraphicsItemRectangle::setBoundary(const QRectF& r)
{
    VGraphicsItemChangeNotifier notifier(this);
    VFileFormat::Vector2D* origin = m_rectData.mutable_origin();
    origin->set_x(r.x());
    origin->set_y(r.y());
    VFileFormat::Vector2D* dimension = m_rectData.mutable_dimension();
    dimension->set_x(r.width());
    dimension->set_y(r.height());
}

QRectF VGraphicsItemRectangle::rectangle() const
{
    return QRectF(VDataConvert::toPointF(m_rectData.origin()),
                  VDataConvert::toSizeF(m_rectData.dimension()))
        .normalized();
}

double VGraphicsItemRectangle::width() const
{
    return ecs().mapVector(VDataConvert::toVector3D(m_rectData.dimension())).x();
}

double VGraphicsItemRectangle::height() const
{
    return ecs().mapVector(VDataConvert::toVector3D(m_rectData.dimension())).y();
}

void VGraphicsItemRectangle::setWidth(double w)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_rectData.mutable_dimension()->set_x(ecsInverse().mapVector(QVector3D(float(w), 0, 0)).x());
}

void VGraphicsItemRectangle::setHeight(double h)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_rectData.mutable_dimension()->set_y(ecsInverse().mapVector(QVector3D(0, float(h), 0)).y());
}

QRectF VGraphicsItemRectangle::boundary()
{
    return rectangle();
}

QPainterPath VGraphicsItemRectangle::shape() const
{
    const QRectF r = rectangle();
    QPainterPath path = VHitBand::emptyPath();
    if (isFill()) {
        const double half = strokeWidth() / 2;
        path.addRect(r.adjusted(-half, -half, half, half));
        return path;
    }
    // Only the outline: what lies inside an unfilled rectangle stays clickable.
    const double stroke = strokeWidth();
    VHitBand::add(path, QLineF(r.topLeft(), r.topRight()), stroke);
    VHitBand::add(path, QLineF(r.topRight(), r.bottomRight()), stroke);
    VHitBand::add(path, QLineF(r.bottomRight(), r.bottomLeft()), stroke);
    VHitBand::add(path, QLineF(r.bottomLeft(), r.topLeft()), stroke);
    return path;
}

void VGraphicsItemRectangle::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                   QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    const QRectF r = rectangle();
    if (r.isEmpty())
        return;
    // A side thinner than a device pixel would smear into a blurred line.
    const QTransform t = painter->combinedTransform();
    const QPointF topLeft = t.map(r.topLeft());
    if (QLineF(topLeft, t.map(r.topRight())).length() < 1 ||
        QLineF(topLeft, t.map(r.bottomLeft())).length() < 1)
        return;
    if (isArea()) {
        QPainterPath path;
        path.addRect(r);
        paintArea(painter, path);
        return;
    }
    painter->drawRect(r);
}

QVector<QVector3D> VGraphicsItemRectangle::snapPoints()
{
    const QRectF r = boundary();
    return QVector<QVector3D>{QVector3D(r.center())} + VUtility::corners(r) +
           VUtility::midPoints(r);
}

bool VGraphicsItemRectangle::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItem>(this, other, &VGraphicsItemRectangle::m_rectData);
}

QByteArray VGraphicsItemRectangle::encodedMessages() const
{
    return VGraphicsItem::encodedMessages() + encoded(m_rectData);
}
