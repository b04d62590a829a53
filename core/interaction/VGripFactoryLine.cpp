// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGripFactoryLine.h"

#include "graphics/VGraphicsItemLine.h"
#include "VGrip.h"

void VGripFactoryLine::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    auto* line = qobject_cast<VGraphicsItemLine*>(const_cast<VGraphicsItem*>(pItem));
    if (!line)
        return;
    const QVector3D s = line->startPoint();
    const QVector3D e = line->endPoint();
    auto* self = const_cast<VGripFactoryLine*>(this);

    auto* start = new VGrip(line);
    start->setGlyph(VGripGlyph::GlyphCircle);
    start->setBasePoint(s);
    start->setDirection((e - s).normalized());
    connect(start, &VGrip::moved, self, &VGripFactoryLine::startGripMoved);
    grips.append(start);

    auto* end = new VGrip(line);
    end->setGlyph(VGripGlyph::GlyphCircle);
    end->setBasePoint(e);
    end->setDirection((s - e).normalized());
    connect(end, &VGrip::moved, self, &VGripFactoryLine::endGripMoved);
    grips.append(end);
}

void VGripFactoryLine::startGripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    if (auto* line = qobject_cast<VGraphicsItemLine*>(pItem))
        line->setStartPoint(pGrip->offsetPoint());
}

void VGripFactoryLine::endGripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    if (auto* line = qobject_cast<VGraphicsItemLine*>(pItem))
        line->setEndPoint(pGrip->offsetPoint());
}
