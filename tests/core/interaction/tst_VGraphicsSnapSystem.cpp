// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikProbeItem.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptLine.h"
#include "interaction/VGraphicsSnapSystem.h"
#include "interaction/VSnapLine.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QGraphicsSceneMouseEvent>
#include <QMouseEvent>
#include <QScreen>

using TalvikTest::ProbeItem;

namespace {

// An item whose only snap point (its boundary centre) is at p.
ProbeItem* pointAt(const QPointF& p)
{
    auto* item = new ProbeItem;
    item->setRect(QRectF(p - QPointF(5, 5), QSizeF(10, 10)));
    return item;
}

QPointF sendMove(VGraphicsScene* scene, const QPointF& at)
{
    QGraphicsSceneMouseEvent event(QEvent::GraphicsSceneMouseMove);
    event.setScenePos(at);
    event.setScreenPos(QPoint(7, 9));
    QApplication::sendEvent(scene, &event);
    // Only the scene position is snapped.
    if (event.screenPos() != QPoint(7, 9))
        return QPointF(-1e9, -1e9);
    return event.scenePos();
}

QList<VGraphicsSnapPoint> points(std::initializer_list<double> values)
{
    VGraphicsSnapSystem system(nullptr);
    QList<ProbeItem*> items;
    for (double v : values) {
        items.append(pointAt(QPointF(v, 0)));
        system.add(items.last());
    }
    const QList<VGraphicsSnapPoint> result = system.xPoints();
    qDeleteAll(items);
    return result;
}

} // namespace

class tst_VGraphicsSnapSystem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void snapOneCoordinate_data();
    void snapOneCoordinate();
    void coordinatesStaySortedAndShared();
    void eventsSnapWithGuideLines();
    void theToleranceIsThreeScreenPixels();
    void emptySceneSnapsNothing();
    void followsTheDocument();
    void guideLineGeometry();
    void guideLinesAreSharp();
    void guideLinesReachTheScreenUntilTheNextMove();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGraphicsSnapSystem::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/snap.ini"));
}

void tst_VGraphicsSnapSystem::snapOneCoordinate_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("tolerance");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("snaps");
    QTest::addColumn<double>("expected");
    QTest::newRow("within 3") << QList<double>{100, 250} << 3.0 << 102.5 << true << 100.0;
    QTest::newRow("beyond 3") << QList<double>{100, 250} << 3.0 << 103.5 << false << 0.0;
    QTest::newRow("below") << QList<double>{100, 250} << 3.0 << 97.2 << true << 100.0;
    QTest::newRow("zoom 2, inside") << QList<double>{100, 250} << 1.5 << 101.4 << true << 100.0;
    QTest::newRow("zoom 2, outside") << QList<double>{100, 250} << 1.5 << 101.6 << false << 0.0;
    QTest::newRow("nearer neighbour") << QList<double>{100, 104} << 3.0 << 102.5 << true << 104.0;
    QTest::newRow("nearer neighbour below")
        << QList<double>{98, 101, 250} << 3.0 << 99.0 << true << 98.0;
    QTest::newRow("many, last") << QList<double>{10, 20, 30, 40, 50, 60, 70} << 3.0 << 71.0 << true
                                << 70.0;
    QTest::newRow("many, first") << QList<double>{10, 20, 30, 40, 50, 60, 70} << 3.0 << 8.0 << true
                                 << 10.0;
    QTest::newRow("many, between")
        << QList<double>{10, 20, 30, 40, 50, 60, 70} << 3.0 << 45.0 << false << 0.0;
    QTest::newRow("empty") << QList<double>{} << 3.0 << 45.0 << false << 0.0;
}

void tst_VGraphicsSnapSystem::snapOneCoordinate()
{
    QFETCH(QList<double>, values);
    QFETCH(double, tolerance);
    QFETCH(double, value);
    QFETCH(bool, snaps);
    QFETCH(double, expected);
    QList<VGraphicsSnapPoint> list;
    for (double v : values)
        list.append(VGraphicsSnapPoint(v, nullptr));
    double result = -1;
    QCOMPARE(VGraphicsSnapSystem::snap(list, value, tolerance, result), snaps);
    QCOMPARE(result, snaps ? expected : -1.0);
}

void tst_VGraphicsSnapSystem::coordinatesStaySortedAndShared()
{
    const QList<VGraphicsSnapPoint> list = points({250, 100, 175, 100.005, 20});
    QList<double> values;
    for (const VGraphicsSnapPoint& p : list)
        values.append(p.value());
    QCOMPARE(values, (QList<double>{20, 100, 175, 250}));
    QCOMPARE(list.at(1).items().size(), 2);

    VGraphicsSnapSystem system(nullptr);
    std::unique_ptr<ProbeItem> a(pointAt(QPointF(100, 7)));
    std::unique_ptr<ProbeItem> b(pointAt(QPointF(100.004, 9)));
    system.add(a.get());
    system.add(b.get());
    QCOMPARE(system.xPoints().size(), 1);
    // The first value stays the point's value.
    QCOMPARE(system.xPoints().first().value(), 100.0);
    QCOMPARE(system.yPoints().size(), 2);
    system.remove(a.get());
    QCOMPARE(system.xPoints().size(), 1);
    QCOMPARE(system.xPoints().first().items(), QList<const VGraphicsItem*>{b.get()});
    system.remove(b.get());
    QVERIFY(system.xPoints().isEmpty());
    QVERIFY(system.yPoints().isEmpty());
}

void tst_VGraphicsSnapSystem::eventsSnapWithGuideLines()
{
    VCanvas canvas;
    VGraphicsScene& scene = *canvas.scene();
    scene.addPersistenItem(pointAt(QPointF(100, 300)), false);
    scene.addPersistenItem(pointAt(QPointF(250, 40)), false);
    // Nothing is drawn or dragged: the pointer passes by untouched.
    QCOMPARE(sendMove(&scene, QPointF(102.5, 298)), QPointF(102.5, 298));
    QVERIFY(scene.snapLines().isEmpty());

    (new VCreatePromptLine)->start(&canvas);
    QCOMPARE(sendMove(&scene, QPointF(102.5, 298)), QPointF(100, 300));
    QCOMPARE(scene.snapLines().size(), 2);
    QCOMPARE(scene.snapLines().at(0), VSnapLine(100, VSnapLine::SnapVertical));
    QCOMPARE(scene.snapLines().at(1), VSnapLine(300, VSnapLine::SnapHorizontal));

    QCOMPARE(sendMove(&scene, QPointF(248, 150)), QPointF(250, 150));
    QCOMPARE(scene.snapLines().size(), 1);
    QCOMPARE(sendMove(&scene, QPointF(400, 150)), QPointF(400, 150));
    QVERIFY(scene.snapLines().isEmpty());
}

void tst_VGraphicsSnapSystem::theToleranceIsThreeScreenPixels()
{
    VCanvas canvas;
    canvas.scene()->addPersistenItem(pointAt(QPointF(100, 300)), false);
    canvas.view()->setScale(2.0);
    (new VCreatePromptLine)->start(&canvas);
    // The tool then puts the position on its own grid.
    QCOMPARE(sendMove(canvas.scene(), QPointF(101.4, 500)).x(), 100.0);
    QCOMPARE(canvas.scene()->snapLines().size(), 1);
    sendMove(canvas.scene(), QPointF(101.6, 500));
    QVERIFY(canvas.scene()->snapLines().isEmpty());
}

void tst_VGraphicsSnapSystem::emptySceneSnapsNothing()
{
    VGraphicsScene scene;
    QCOMPARE(sendMove(&scene, QPointF(0.5, 0.5)), QPointF(0.5, 0.5));
    QVERIFY(scene.snapLines().isEmpty());
}

void tst_VGraphicsSnapSystem::followsTheDocument()
{
    VGraphicsScene scene;
    ProbeItem* item = pointAt(QPointF(100, 100));
    scene.addPersistenItem(item, false);
    QCOMPARE(scene.snapSystem().xPoints().size(), 1);
    item->setTranslation(QVector3D(50, 0, 0));
    // The old coordinates count until the change has reached the scene.
    QCOMPARE(scene.snapSystem().xPoints().first().value(), 100.0);
    QTRY_COMPARE(scene.snapSystem().xPoints().first().value(), 150.0);
    QCOMPARE(scene.snapSystem().xPoints().size(), 1);
    scene.removePersistenItem(item);
    QVERIFY(scene.snapSystem().xPoints().isEmpty());
}

void tst_VGraphicsSnapSystem::guideLineGeometry()
{
    const QRectF visible(10, 20, 300, 200);
    const VSnapLine vertical(50, VSnapLine::SnapVertical);
    const VSnapLine horizontal(80, VSnapLine::SnapHorizontal);
    QCOMPARE(vertical.rect(visible), QRectF(49, 20, 3, 200));
    QCOMPARE(horizontal.rect(visible), QRectF(10, 79, 300, 3));
    QVERIFY(vertical.intersects(QRectF(50, 0, 10, 10)));
    QVERIFY(!vertical.intersects(QRectF(51, 0, 10, 10)));
    QVERIFY(horizontal.intersects(QRectF(0, 70, 10, 10)));
    QVERIFY(!horizontal.intersects(QRectF(0, 81, 10, 10)));
}

void tst_VGraphicsSnapSystem::guideLinesAreSharp()
{
    // At zoom 3 the coordinate 10.2 falls inside device pixel 30; the line must cover exactly one
    // column of pixels, fully.
    QImage image(100, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(3, 3);
        VSnapLine(10.2, VSnapLine::SnapVertical).paint(&painter, QRectF(0, 0, 33, 13));
    }
    int cyanColumns = 0;
    for (int x = 0; x < 100; ++x) {
        const QColor c = image.pixelColor(x, 20);
        if (c != QColor(Qt::white)) {
            QCOMPARE(c, QColor(Qt::cyan));
            ++cyanColumns;
        }
    }
    QCOMPARE(cyanColumns, 1);
}

void tst_VGraphicsSnapSystem::guideLinesReachTheScreenUntilTheNextMove()
{
    VCanvas canvas;
    canvas.resize(700, 600);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    canvas.scene()->addPersistenItem(pointAt(QPointF(100, 300)), false);
    (new VCreatePromptLine)->start(&canvas);
    QWidget* viewport = canvas.view()->viewport();
    auto move = [&](const QPointF& scenePoint) {
        const QPoint p = canvas.view()->mapFromScene(scenePoint);
        QMouseEvent event(QEvent::MouseMove, QPointF(p), QPointF(viewport->mapToGlobal(p)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    };
    // What the window really shows, not a fresh rendering of it.
    auto cyanAround = [&](const QPointF& scenePoint) {
        const QPoint p = viewport->mapTo(&canvas, canvas.view()->mapFromScene(scenePoint));
        const QImage shown = canvas.screen()->grabWindow(canvas.winId()).toImage();
        for (int dx = -2; dx <= 2; ++dx) {
            if (shown.pixelColor(p + QPoint(dx, 0)) == QColor(Qt::cyan))
                return true;
        }
        return false;
    };
    move(QPointF(102, 450));
    QCOMPARE(canvas.scene()->snapLines().size(), 1);
    // Clear of the tool's cross, which inverts the line where it crosses it.
    QTRY_VERIFY(cyanAround(QPointF(100, 350)));
    QVERIFY(cyanAround(QPointF(100, 40)));
    move(QPointF(400, 450));
    QVERIFY(canvas.scene()->snapLines().isEmpty());
    QTRY_VERIFY(!cyanAround(QPointF(100, 40)));
    QVERIFY(!cyanAround(QPointF(100, 450)));
}

TALVIK_TEST_MAIN(tst_VGraphicsSnapSystem)
#include "tst_VGraphicsSnapSystem.moc"
