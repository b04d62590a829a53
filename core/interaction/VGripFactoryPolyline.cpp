// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryPolyline.h"

#include "foundation/VUtility.h"
#include "graphics/VGraphicsItemPolyline.h"
#include "VGrip.h"
#include "VGripConstraintLine.h"
#include "VGripDataVariant.h"

#include <QLineF>

#include <cmath>

namespace {

// A drag this small in every direction is a click, not an edit.
bool isNegligible(const QVector3D& offset)
{
    return std::abs(offset.x()) < 0.1 && std::abs(offset.y()) < 0.1 && std::abs(offset.z()) < 0.1;
}

// Where the moved edge meets a neighbouring line. Lines within this sine of parallel count as
// parallel: mapping into the item's plane rounds, so collinear neighbours come out a hair apart
// and would meet the edge far off the canvas.
constexpr double kParallelSine = 1e-4;

bool meet(const QLineF& neighbour, const QLineF& edge, QPointF& at)
{
    const QPointF u = neighbour.p2() - neighbour.p1();
    const QPointF v = edge.p2() - edge.p1();
    const double cross = u.x() * v.y() - u.y() * v.x();
    if (std::abs(cross) <= kParallelSine * std::hypot(u.x(), u.y()) * std::hypot(v.x(), v.y()))
        return false;
    return neighbour.intersects(edge, &at) != QLineF::NoIntersection;
}

int gripIndex(const VGrip* grip)
{
    const auto* data = dynamic_cast<const VGripDataVariant*>(grip->gripData());
    return data ? data->data().toInt() : -1;
}

} // namespace

void VGripFactoryPolyline::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    auto* polyline = qobject_cast<VGraphicsItemPolyline*>(const_cast<VGraphicsItem*>(pItem));
    if (!polyline)
        return;
    const QVector<QVector3D> p = polyline->points();
    const int n = int(p.size());
    auto* self = const_cast<VGripFactoryPolyline*>(this);
    for (int i = 0; i < n; ++i) {
        auto* vertex = new VGrip(polyline);
        vertex->setGlyph(VGripGlyph::GlyphCircle);
        vertex->setBasePoint(p[i]);
        vertex->setGripData(new VGripDataVariant(i));
        connect(vertex, &VGrip::moved, self, &VGripFactoryPolyline::vertexGripMoved);
        grips.append(vertex);

        if (!polyline->isClosed() && i + 1 == n)
            continue;
        const QVector3D next = p[(i + 1) % n];
        auto* edge = new VGrip(polyline);
        edge->setGlyph(VGripGlyph::GlyphBar);
        edge->setBasePoint((p[i] + next) / 2);
        const QVector3D normal = VUtility::perpendicularInECS(
            (p[i] - next).normalized(), polyline->ecs(), polyline->ecsInverse());
        edge->setDirection(normal);
        edge->setConstraint(new VGripConstraintLine(normal));
        edge->setGripData(new VGripDataVariant(i));
        connect(edge, &VGrip::moved, self, &VGripFactoryPolyline::edgeGripMoved);
        grips.append(edge);
    }
}

void VGripFactoryPolyline::vertexGripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    if (!pGrip || isNegligible(pGrip->offset()))
        return;
    auto* polyline = qobject_cast<VGraphicsItemPolyline*>(pItem);
    const int index = gripIndex(pGrip);
    if (!polyline || index < 0)
        return;
    polyline->setPoint(index, pGrip->offsetPoint());
}

void VGripFactoryPolyline::edgeGripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    if (!pGrip || isNegligible(pGrip->offset()))
        return;
    auto* polyline = qobject_cast<VGraphicsItemPolyline*>(pItem);
    const int a = gripIndex(pGrip);
    const int n = polyline ? polyline->pointCount() : 0;
    if (!polyline || a < 0 || a >= n)
        return;
    const QVector3D d = polyline->ecsInverse().mapVector(pGrip->offset());
    auto local = [&](int i) {
        return polyline->ecsInverse().map(polyline->pointAt((i % n + n) % n)).toPointF();
    };
    // The edge moves parallel to itself; its ends slide along the lines of its neighbours.
    const QLineF line1(local(a - 1), local(a));
    const QLineF line2(local(a + 1), local(a + 2));
    const QLineF line3 = QLineF(local(a), local(a + 1)).translated(d.x(), d.y());
    QPointF q1;
    QPointF q2;
    if (!meet(line1, line3, q1) || !meet(line2, line3, q2))
        return;
    polyline->setPoint(a, polyline->ecs().map(QVector3D(q1)));
    polyline->setPoint((a + 1) % n, polyline->ecs().map(QVector3D(q2)));
}
