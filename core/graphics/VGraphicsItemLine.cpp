// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemLine.h"

#include "data/VDataConvert.h"
#include "foundation/VRestorePainter.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"
#include "VHitBand.h"

#include <QPainter>

VGraphicsItemLine::VGraphicsItemLine(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemLine::VGraphicsItemLine() : VGraphicsItemLine(nullptr) {}

VGraphicsItemLine::~VGraphicsItemLine() = default;

void VGraphicsItemLine::setStartPoint(const QVector3D& p)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_lineData.mutable_start(), ecsInverse().map(p));
}

void VGraphicsItemLine::setEndPoint(const QVector3D& p)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_lineData.mutable_end(), ecsInverse().map(p));
}

void VGraphicsItemLine::setLine(const QVector3D& start, const QVector3D& end)
{
    VGraphicsItemChangeNotifier notifier(this);
    setStartPoint(start);
    setEndPoint(end);
}

QVector3D VGraphicsItemLine::startPoint() const
{
    return ecs().map(VDataConvert::toVector3D(m_lineData.start()));
}

QVector3D VGraphicsItemLine::endPoint() const
{
    return ecs().map(VDataConvert::toVector3D(m_lineData.end()));
}

double VGraphicsItemLine::length() const
{
    return VDataConvert::toVector3D(m_lineData.start())
        .distanceToPoint(VDataConvert::toVector3D(m_lineData.end()));
}

QLineF VGraphicsItemLine::line() const
{
    const VFileFormat::Vector3D& s = m_lineData.start();
    const VFileFormat::Vector3D& e = m_lineData.end();
    return QLineF(s.x(), s.y(), e.x(), e.y());
}

QPainterPath VGraphicsItemLine::shape() const
{
    QPainterPath path = VHitBand::emptyPath();
    VHitBand::add(path, line(), strokeWidth());
    return path;
}

void VGraphicsItemLine::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                              QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    const QLineF l = line();
    if (l.isNull())
        return;
    painter->setBrush(Qt::NoBrush);
    painter->drawLine(l);
}

QVector<QVector3D> VGraphicsItemLine::snapPoints()
{
    return {QVector3D(boundary().center()), VDataConvert::toVector3D(m_lineData.start()),
            VDataConvert::toVector3D(m_lineData.end())};
}

bool VGraphicsItemLine::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItem>(this, other, &VGraphicsItemLine::m_lineData);
}

QByteArray VGraphicsItemLine::encodedMessages() const
{
    return VGraphicsItem::encodedMessages() + encoded(m_lineData);
}
