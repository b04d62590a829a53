// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemEllipse.h"

#include "foundation/VRestorePainter.h"
#include "foundation/VUtility.h"
#include "VHitBand.h"

#include <QPainter>
#include <QPainterPathStroker>

namespace {
// How far beside a thin outline a click still hits it, as for the straight shapes.
constexpr double kHitSlack = 6;
} // namespace

VGraphicsItemEllipse::VGraphicsItemEllipse(VGraphicsItem* parent) : VGraphicsItemRectangle(parent)
{
    // A fill switched on later starts as a light wash of the outline's colour.
    suppressChangeNotification();
    QColor wash = strokeColor();
    wash.setAlpha(70);
    setFillColor(wash);
    unsuppressChangeNotification();
}

VGraphicsItemEllipse::VGraphicsItemEllipse() : VGraphicsItemEllipse(nullptr) {}

VGraphicsItemEllipse::~VGraphicsItemEllipse() = default;

QPainterPath VGraphicsItemEllipse::shape() const
{
    const QRectF r = rectangle();
    QPainterPath outline;
    outline.addEllipse(r);
    const double stroke = strokeWidth();
    if (isFill()) {
        QPainterPath path = VHitBand::emptyPath();
        path.addEllipse(r.adjusted(-stroke / 2, -stroke / 2, stroke / 2, stroke / 2));
        return path;
    }
    // Only the ring: what lies inside an unfilled ellipse stays clickable.
    QPainterPathStroker stroker;
    stroker.setWidth(stroke + kHitSlack);
    return stroker.createStroke(outline);
}

void VGraphicsItemEllipse::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                 QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    const QRectF r = rectangle();
    if (r.isEmpty())
        return;
    if (!isFill())
        painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(r);
}

QVector<QVector3D> VGraphicsItemEllipse::snapPoints()
{
    // The centre and the four points where the ellipse touches its box.
    const QRectF r = boundary();
    return QVector<QVector3D>{QVector3D(r.center())} + VUtility::midPoints(r);
}
