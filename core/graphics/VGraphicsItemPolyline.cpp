// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemPolyline.h"

#include "data/VDataConvert.h"
#include "foundation/VRestorePainter.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"
#include "VHitBand.h"

#include <QPainter>

VGraphicsItemPolyline::VGraphicsItemPolyline(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemPolyline::VGraphicsItemPolyline() : VGraphicsItemPolyline(nullptr) {}

VGraphicsItemPolyline::~VGraphicsItemPolyline() = default;

void VGraphicsItemPolyline::addPoint(const QVector3D& p)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_polylineData.add_points(), ecsInverse().map(p));
    updateCache();
}

void VGraphicsItemPolyline::setPoint(int i, const QVector3D& p)
{
    // Checked before the bracket opens: an ignored call is no edit.
    if (i < 0 || i >= pointCount())
        return;
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_polylineData.mutable_points(i), ecsInverse().map(p));
    updateCache();
}

int VGraphicsItemPolyline::pointCount() const
{
    return m_polylineData.points_size();
}

QVector3D VGraphicsItemPolyline::pointAt(int i) const
{
    return ecs().map(VDataConvert::toVector3D(m_polylineData.points(i)));
}

QVector<QVector3D> VGraphicsItemPolyline::points() const
{
    QVector<QVector3D> result;
    result.reserve(pointCount());
    for (const VFileFormat::Vector2D& point : m_polylineData.points())
        result.append(ecs().map(VDataConvert::toVector3D(point)));
    return result;
}

void VGraphicsItemPolyline::close()
{
    VGraphicsItemChangeNotifier notifier(this);
    m_polylineData.set_closed(true);
}

bool VGraphicsItemPolyline::isClosed() const
{
    return m_polylineData.closed();
}

QPainterPath VGraphicsItemPolyline::shape() const
{
    return m_hitPath;
}

void VGraphicsItemPolyline::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                  QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    if (m_drawingPath.isEmpty())
        return;
    if (isArea())
        paintArea(painter, m_drawingPath);
    else
        painter->drawPath(m_drawingPath);
}

void VGraphicsItemPolyline::updateCache()
{
    m_drawingPath = QPainterPath();
    m_hitPath = VHitBand::emptyPath();
    const int n = pointCount();
    if (n < 2)
        return;
    QVector<QPointF> p;
    p.reserve(n);
    for (const VFileFormat::Vector2D& point : m_polylineData.points())
        p.append(VDataConvert::toPointF(point));
    m_drawingPath.moveTo(p[0]);
    const double stroke = strokeWidth();
    for (int i = 1; i < n; ++i) {
        m_drawingPath.lineTo(p[i]);
        VHitBand::add(m_hitPath, QLineF(p[i - 1], p[i]), stroke);
    }
    // A union, not an overlay: the edges' bands stay hit where they cross the filled inside.
    if (isFill())
        m_hitPath = m_hitPath.united(m_drawingPath);
}

void VGraphicsItemPolyline::onChanged()
{
    updateCache();
}

QVector<QVector3D> VGraphicsItemPolyline::snapPoints()
{
    QVector<QVector3D> result{QVector3D(boundary().center())};
    const int n = pointCount();
    if (n < 2)
        return result;
    const bool closed = isClosed();
    for (int i = 0; i < n; ++i) {
        const QVector3D point = VDataConvert::toVector3D(m_polylineData.points(i));
        result.append(point);
        if (i + 1 < n)
            result.append((point + VDataConvert::toVector3D(m_polylineData.points(i + 1))) / 2);
        else if (closed)
            result.append((point + VDataConvert::toVector3D(m_polylineData.points(0))) / 2);
    }
    return result;
}

bool VGraphicsItemPolyline::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItem>(this, other, &VGraphicsItemPolyline::m_polylineData,
                                   &VGraphicsItemPolyline::m_drawingPath,
                                   &VGraphicsItemPolyline::m_hitPath);
}

QByteArray VGraphicsItemPolyline::encodedMessages() const
{
    return VGraphicsItem::encodedMessages() + encoded(m_polylineData);
}
