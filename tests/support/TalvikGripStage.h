// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikMouse.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VGrip.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QtTest>

namespace TalvikTest {

// A shown canvas at zoom 1 whose grips are driven with mouse events on the view's viewport.
// The pointer is not warped along; only binding the cursor to a grip warps it, and hover() lets
// the move that this queues through at once, before it could be handled at some later point.
class GripStage
{
public:
    GripStage() : mouse(canvas.view()->viewport())
    {
        canvas.resize(700, 600);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    }

    VGraphicsScene* scene() const { return canvas.scene(); }
    QPoint at(const QPointF& scenePoint) const { return canvas.view()->mapFromScene(scenePoint); }
    QList<VGrip*> grips(const VGraphicsItem* item) const
    {
        return scene()->gripManager().grips(item);
    }

    void hover(const QPointF& scenePoint)
    {
        mouse.move(at(scenePoint));
        QCoreApplication::processEvents();
    }
    // Onto the grip, then press, move by delta in two steps, release.
    void drag(VGrip* grip, const QPointF& delta)
    {
        const QPointF from = grip->scenePos();
        hover(from);
        mouse.drag(at(from), at(from + delta));
    }

    VCanvas canvas;
    Mouse mouse;
};

} // namespace TalvikTest
