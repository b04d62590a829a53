// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactorySize.h"

#include "foundation/VUtility.h"
#include "graphics/VGraphicsItem.h"
#include "VGrip.h"
#include "VGripConstraintLine.h"

#include <cmath>

void VGripFactorySize::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    auto* item = const_cast<VGraphicsItem*>(pItem);
    const QRectF r = item->boundary();
    const QMatrix4x4& ecs = item->ecs();
    const QVector3D corner[5] = {ecs.map(QVector3D(r.topLeft())), ecs.map(QVector3D(r.topRight())),
                                 ecs.map(QVector3D(r.bottomRight())),
                                 ecs.map(QVector3D(r.bottomLeft())),
                                 ecs.map(QVector3D(r.topLeft()))};
    const QVector3D c = ecs.map(QVector3D(r.center()));
    auto* self = const_cast<VGripFactorySize*>(this);
    for (int k = 0; k < 4; ++k) {
        auto* cornerGrip = new VGrip(item);
        cornerGrip->setGlyph(VGripGlyph::GlyphCircle);
        cornerGrip->setBasePoint(corner[k]);
        cornerGrip->setDirection((corner[k] - c).normalized());
        connect(cornerGrip, &VGrip::moved, self, &VGripFactorySize::gripMoved);
        grips.append(cornerGrip);

        auto* edgeGrip = new VGrip(item);
        edgeGrip->setGlyph(VGripGlyph::GlyphBar);
        edgeGrip->setBasePoint((corner[k] + corner[k + 1]) / 2);
        const QVector3D normal = VUtility::perpendicularInECS(
            (corner[k] - corner[k + 1]).normalized(), ecs, item->ecsInverse());
        edgeGrip->setDirection(normal);
        edgeGrip->setConstraint(new VGripConstraintLine(normal));
        connect(edgeGrip, &VGrip::moved, self, &VGripFactorySize::gripMoved);
        grips.append(edgeGrip);
    }
}

QRectF VGripFactorySize::getNewBoundary(VGrip* pGrip, VGraphicsItem* pItem) const
{
    const QVector3D d = pItem->ecsInverse().mapVector(pGrip->offset());
    const QVector3D n = pItem->ecsInverse().mapVector(pGrip->direction());
    double left = 0, top = 0, right = 0, bottom = 0;
    (n.x() < 0 ? left : right) = d.x();
    (n.y() < 0 ? top : bottom) = d.y();
    return pItem->boundary().adjusted(left, top, right, bottom);
}

namespace {
// Below this a side has collapsed: its scale factor would be infinite or meaningless.
constexpr double kSmallestSide = 1e-6;
} // namespace

void VGripFactorySize::gripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    if (!pGrip || !pItem)
        return;
    const QRectF before = pItem->boundary();
    const QRectF after = getNewBoundary(pGrip, pItem);
    if (std::abs(before.width()) < kSmallestSide || std::abs(before.height()) < kSmallestSide ||
        std::abs(after.width()) < kSmallestSide || std::abs(after.height()) < kSmallestSide)
        return;
    const QVector3D shift((after.left() - before.left() + after.right() - before.right()) / 2,
                          (after.top() - before.top() + after.bottom() - before.bottom()) / 2, 0);
    pItem->setTranslation(pItem->ecs().mapVector(shift), true);
    pItem->setScale(QVector3D(after.width() / before.width(), after.height() / before.height(), 1),
                    true);
}
