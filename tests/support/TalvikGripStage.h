#pragma once

#include "graphics/VGraphicsScene.h"
#include "interaction/VGrip.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

namespace TalvikTest {

// A shown canvas at zoom 1 whose grips are driven with mouse events on the view's viewport.
// The system pointer is left alone: on the offscreen platform every warp queues a synthetic move
// that would be handled at some later point of the test. Only binding the cursor to a grip warps
// it, and hover() lets that move through at once.
class GripStage
{
public:
    GripStage()
    {
        canvas.resize(700, 600);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    }

    VGraphicsScene* scene() const { return canvas.scene(); }
    QWidget* viewport() const { return canvas.view()->viewport(); }
    QPoint at(const QPointF& scenePoint) const { return canvas.view()->mapFromScene(scenePoint); }
    QList<VGrip*> grips(const VGraphicsItem* item) const
    {
        return scene()->gripManager().grips(item);
    }

    void send(QEvent::Type type, const QPointF& scenePoint, Qt::MouseButtons held)
    {
        const QPoint p = at(scenePoint);
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(p), QPointF(viewport()->mapToGlobal(p)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport(), &event);
    }
    void hover(const QPointF& scenePoint)
    {
        send(QEvent::MouseMove, scenePoint, Qt::NoButton);
        QCoreApplication::processEvents();
    }
    void press(const QPointF& scenePoint)
    {
        hover(scenePoint);
        send(QEvent::MouseButtonPress, scenePoint, Qt::LeftButton);
    }
    void release(const QPointF& scenePoint)
    {
        send(QEvent::MouseButtonRelease, scenePoint, Qt::NoButton);
    }
    // Press on the grip, move by delta in two steps, release.
    void drag(VGrip* grip, const QPointF& delta)
    {
        const QPointF from = grip->scenePos();
        press(from);
        send(QEvent::MouseMove, from + delta / 2, Qt::LeftButton);
        send(QEvent::MouseMove, from + delta, Qt::LeftButton);
        release(from + delta);
    }

    VCanvas canvas;
};

} // namespace TalvikTest
