// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemStepMarker.h"

#include "data/VDataConvert.h"
#include "foundation/VRestorePainter.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"
#include "VGraphicsLayer.h"
#include "VGraphicsScene.h"

#include <QFont>
#include <QPainter>

namespace {
constexpr double kSmallestRadius = 4;
} // namespace

VGraphicsItemStepMarker::VGraphicsItemStepMarker(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemStepMarker::VGraphicsItemStepMarker() : VGraphicsItemStepMarker(nullptr) {}

VGraphicsItemStepMarker::~VGraphicsItemStepMarker() = default;

int VGraphicsItemStepMarker::number() const
{
    return m_markerData.number();
}

void VGraphicsItemStepMarker::setNumber(int number)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_markerData.set_number(number);
}

double VGraphicsItemStepMarker::radius() const
{
    return qMax(kSmallestRadius, m_markerData.radius());
}

void VGraphicsItemStepMarker::setRadius(double radius)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_markerData.set_radius(qMax(kSmallestRadius, radius));
}

void VGraphicsItemStepMarker::setPosition(const QVector3D& p)
{
    VGraphicsItemChangeNotifier notifier(this);
    VDataConvert::assign(m_markerData.mutable_center(), ecsInverse().map(p));
}

int VGraphicsItemStepMarker::nextNumber(const VGraphicsScene* scene)
{
    int highest = 0;
    for (const VGraphicsLayer* pLayer : scene->layers())
        for (VGraphicsItem* pItem : pLayer->items())
            if (const auto* pMarker = qobject_cast<const VGraphicsItemStepMarker*>(pItem))
                highest = qMax(highest, pMarker->number());
    return highest + 1;
}

void VGraphicsItemStepMarker::setMessage(const VFileFormat::GraphicsItemStepMarker& message)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_markerData.CopyFrom(message);
}

QRectF VGraphicsItemStepMarker::disc() const
{
    const double r = radius();
    return QRectF(VDataConvert::toPointF(m_markerData.center()) - QPointF(r, r),
                  QSizeF(2 * r, 2 * r));
}

QRectF VGraphicsItemStepMarker::boundary()
{
    return disc();
}

QRectF VGraphicsItemStepMarker::paintedBoundary()
{
    const double reach = rimWidth() / 2;
    return disc().adjusted(-reach, -reach, reach, reach);
}

QPainterPath VGraphicsItemStepMarker::shape() const
{
    QPainterPath path;
    path.addEllipse(disc());
    return path;
}

void VGraphicsItemStepMarker::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                    QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    const QRectF r = disc();
    const QColor fill = strokeColor();
    painter->setPen(QPen(QColor(255, 255, 255, 230), rimWidth()));
    painter->setBrush(fill);
    painter->drawEllipse(r);

    const QString text = QString::number(number());
    QFont font = painter->font();
    font.setBold(true);
    // Up to two digits fill the disc; more shrink to fit.
    font.setPixelSize(qMax(1, int(r.height() * (text.size() <= 2 ? 0.6 : 1.5 / text.size()))));
    painter->setFont(font);
    painter->setPen(qGray(fill.rgb()) > 170 ? Qt::black : Qt::white);
    painter->drawText(r, Qt::AlignCenter, text);
}

bool VGraphicsItemStepMarker::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItem>(this, other, &VGraphicsItemStepMarker::m_markerData);
}

QByteArray VGraphicsItemStepMarker::encodedMessages() const
{
    return VGraphicsItem::encodedMessages() + encoded(m_markerData);
}
