// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikMouse.h"
#include "TalvikProbeItem.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsBackgroundColor.h"
#include "graphics/VGraphicsBackgroundImage.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCursor.h"
#include "interaction/VGrip.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QPicture>
#include <QPointer>
#include <QSignalSpy>

using TalvikTest::ProbeItem;

namespace {

ProbeItem* blackBox(const QRectF& rect)
{
    auto* item = new ProbeItem;
    item->setRect(rect);
    item->setStrokeWidth(1);
    item->setStrokeColor(Qt::black);
    return item;
}

bool isDark(const QImage& image, const QPoint& p)
{
    return qGray(image.pixel(p)) < 100 && qAlpha(image.pixel(p)) > 200;
}

// A canvas on screen at scale 1, so view and scene pixels coincide up to the scroll offset.
struct ShownCanvas
{
    ShownCanvas()
    {
        canvas.resize(700, 600);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    }
    QWidget* viewport() const { return canvas.view()->viewport(); }
    QPoint at(const QPointF& scenePoint) const { return canvas.view()->mapFromScene(scenePoint); }
    QImage grab() const { return viewport()->grab().toImage(); }

    VCanvas canvas;
};

class CountedBackground : public VGraphicsBackgroundColor
{
public:
    explicit CountedBackground(int* deleted)
        : VGraphicsBackgroundColor(Qt::white), m_deleted(deleted)
    {
    }
    ~CountedBackground() override { ++*m_deleted; }

private:
    int* m_deleted;
};

} // namespace

class tst_VGraphicsScene : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneLayerOnDemand();
    void addingPersistentItems();
    void pressSelectsThroughTheLayerAndTheDragFollows();
    void pressesHappenWhereTheBoundCursorIs();
    void editsReachTheScreenThroughTheBackgroundCache();
    void hiddenLayerDeselectsAndStopsDrawing();
    void renderContentToImage();
    void renderingAnEmptyDocumentLeavesTheImage();
    void printPlacement_data();
    void printPlacement();
    void printingDrawsThePlacedPicture();
    void surroundOnlyOutsideTheDocument();
    void imageBackground();
    void backgroundsBelongToTheScene();
    void removingPersistentItems();
    void changesOfRemovedItemsAreIgnored();
    void destroyingTheSceneDeletesTheDocument();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGraphicsScene::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/scene.ini"));
}

void tst_VGraphicsScene::oneLayerOnDemand()
{
    VCanvas canvas;
    VGraphicsScene* scene = canvas.scene();
    QVERIFY(scene->layers().isEmpty());
    VGraphicsLayer* layer = scene->activeLayer();
    QCOMPARE(scene->activeLayer(), layer);
    QCOMPARE(scene->layers().size(), 1);
    QVERIFY(layer->isVisible());
    QCOMPARE(layer->scene(), scene);
    QCOMPARE(layer->sceneRect(), QRectF(0, 0, 600, 500));
    canvas.setCanvasSize(300, 200);
    QCOMPARE(layer->sceneRect(), QRectF(0, 0, 300, 200));
    QCOMPARE(scene->sceneRect(), QRectF(0, 0, 300, 200));
}

void tst_VGraphicsScene::addingPersistentItems()
{
    VGraphicsScene scene;
    QSignalSpy added(&scene, &VGraphicsScene::persistentItemAdded);
    QSignalSpy selection(&scene, &VGraphicsScene::persistentSelectionChanged);
    ProbeItem* item = blackBox(QRectF(0, 0, 10, 10));
    scene.addPersistenItem(item, true);
    QVERIFY(item->isPersistent());
    QVERIFY(item->isSelected());
    QCOMPARE(item->layer(), scene.activeLayer());
    QCOMPARE(scene.activeLayer()->items(), QList<VGraphicsItem*>{item});
    QCOMPARE(scene.activeLayer()->selectedItems(), QList<VGraphicsItem*>{item});
    QCOMPARE(added.count(), 1);
    QCOMPARE(selection.count(), 1);
    // The document's items are not the scene's own; only the selected item's grips are.
    for (QGraphicsItem* own : scene.items())
        QVERIFY(!qgraphicsitem_cast<VGraphicsItem*>(own));
}

void tst_VGraphicsScene::pressSelectsThroughTheLayerAndTheDragFollows()
{
    ShownCanvas shown;
    ProbeItem* item = blackBox(QRectF(50, 50, 100, 60));
    item->setFlag(QGraphicsItem::ItemIsMovable);
    shown.canvas.scene()->addPersistenItem(item, false);
    QSignalSpy selection(&shown.canvas, &VCanvas::selectionChanged);

    // The pointer goes along: the press replays a move where the pointer is.
    TalvikTest::Mouse mouse(shown.viewport(), true);
    const QPoint start = shown.at(QPointF(100, 80));
    mouse.press(start);
    QVERIFY(item->isSelected());
    QCOMPARE(item->presses, 1);
    QCOMPARE(selection.count(), 1);
    QCOMPARE(selection.first().first().value<QList<VGraphicsItem*>>(), QList<VGraphicsItem*>{item});

    // The layer's grab carries the moves and the release to the item.
    mouse.move(start + QPoint(20, 10));
    mouse.release(start + QPoint(20, 10));
    QVERIFY(item->moves >= 1);
    QCOMPARE(item->releases, 1);
    QCOMPARE(item->pos(), QPointF(20, 10));

    // A press on empty paper deselects.
    mouse.click(shown.at(QPointF(400, 400)));
    QVERIFY(!item->isSelected());
    QVERIFY(shown.canvas.selection().isEmpty());
}

void tst_VGraphicsScene::pressesHappenWhereTheBoundCursorIs()
{
    ShownCanvas shown;
    ProbeItem* item = blackBox(QRectF(50, 50, 100, 100));
    shown.canvas.scene()->addPersistenItem(item, false);
    VGrip grip(item);
    grip.setBasePoint(QVector3D(100, 100, 0));
    shown.canvas.scene()->addItem(&grip);
    VCursor* cursor = shown.canvas.scene()->cursor();
    cursor->bind(&grip);
    QVERIFY(cursor->isBinded());
    QCOMPARE(cursor->pos(), QPointF(100, 100));
    // A bound cursor follows its grip, not the pointer.
    cursor->updateScenePos(QPointF(300, 300));
    QCOMPARE(cursor->pos(), QPointF(100, 100));

    TalvikTest::Mouse mouse(shown.viewport());
    mouse.press(shown.at(QPointF(400, 350)));
    QCOMPARE(grip.dragStatus(), VV::GripPressed);
    QCOMPARE(item->presses, 0);
    mouse.release(shown.at(QPointF(400, 350)));
    cursor->unbind(&grip);
    QVERIFY(!cursor->isBinded());
    shown.canvas.scene()->removeItem(&grip);

    // Free again: the press lands on the item under the pointer.
    mouse.click(shown.at(QPointF(60, 60)));
    QCOMPARE(item->presses, 1);
}

void tst_VGraphicsScene::editsReachTheScreenThroughTheBackgroundCache()
{
    ShownCanvas shown;
    ProbeItem* item = blackBox(QRectF(100, 100, 60, 40));
    shown.canvas.scene()->addPersistenItem(item, false);
    QTRY_VERIFY(isDark(shown.grab(), shown.at(QPointF(100, 120))));

    item->setTranslation(QVector3D(200, 0, 0));
    QTRY_VERIFY(isDark(shown.grab(), shown.at(QPointF(300, 120))));
    QVERIFY(!isDark(shown.grab(), shown.at(QPointF(100, 120))));
}

void tst_VGraphicsScene::hiddenLayerDeselectsAndStopsDrawing()
{
    ShownCanvas shown;
    VGraphicsScene* scene = shown.canvas.scene();
    ProbeItem* item = blackBox(QRectF(100, 100, 60, 40));
    scene->addPersistenItem(item, true);
    QTRY_VERIFY(isDark(shown.grab(), shown.at(QPointF(100, 120))));

    scene->activeLayer()->hide();
    QVERIFY(!scene->activeLayer()->isVisible());
    QVERIFY(!item->isSelected());
    QTRY_VERIFY(!isDark(shown.grab(), shown.at(QPointF(100, 120))));

    QImage image;
    scene->renderContentTo(image);
    QCOMPARE(image.size(), QSize(61, 41));
    QVERIFY(isDark(image, QPoint(0, 20)));

    scene->activeLayer()->show();
    QTRY_VERIFY(isDark(shown.grab(), shown.at(QPointF(100, 120))));
}

void tst_VGraphicsScene::renderContentToImage()
{
    VCanvas canvas;
    ProbeItem* item = blackBox(QRectF(10, 10, 100, 50));
    canvas.scene()->addPersistenItem(item, true);
    ProbeItem sample;
    sample.setRect(QRectF(0, 0, 300, 300));
    canvas.scene()->addActiveItem(&sample);

    QImage image;
    canvas.scene()->renderContentTo(image);
    QCOMPARE(image.size(), QSize(101, 51));
    QCOMPARE(image.format(), QImage::Format_ARGB32_Premultiplied);
    // The outline lies half a pixel in, on the outermost pixels; around it all is clear.
    for (const QPoint p : {QPoint(0, 25), QPoint(100, 25), QPoint(50, 0), QPoint(50, 50)})
        QVERIFY2(isDark(image, p), qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint p : {QPoint(1, 25), QPoint(99, 25), QPoint(50, 1), QPoint(50, 25)})
        QCOMPARE(qAlpha(image.pixel(p)), 0);
    // The selection comes back after rendering.
    QVERIFY(item->isSelected());
    canvas.scene()->removeActiveItem(&sample);
}

void tst_VGraphicsScene::renderingAnEmptyDocumentLeavesTheImage()
{
    VGraphicsScene scene;
    QImage image;
    scene.renderContentTo(image);
    QVERIFY(image.isNull());
    QImage kept(3, 3, QImage::Format_RGB32);
    kept.fill(Qt::red);
    scene.renderContentTo(kept);
    QCOMPARE(kept.size(), QSize(3, 3));
    QCOMPARE(kept.pixelColor(1, 1), QColor(Qt::red));
}

void tst_VGraphicsScene::printPlacement_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSizeF>("page");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("wide, shrunk") << QSize(2000, 1000) << QSizeF(1000, 1500)
                                  << QRect(0, 500, 1000, 500);
    QTest::newRow("fits, centred")
        << QSize(400, 300) << QSizeF(1000, 1500) << QRect(300, 600, 400, 300);
    QTest::newRow("tall, shrunk") << QSize(500, 3000) << QSizeF(1000, 1500)
                                  << QRect(375, 0, 250, 1500);
    QTest::newRow("exactly the page")
        << QSize(1000, 1500) << QSizeF(1000, 1500) << QRect(0, 0, 1000, 1500);
}

void tst_VGraphicsScene::printPlacement()
{
    QFETCH(QSize, image);
    QFETCH(QSizeF, page);
    QFETCH(QRect, expected);
    QCOMPARE(VGraphicsScene::printPlacement(image, page), expected);
}

void tst_VGraphicsScene::printingDrawsThePlacedPicture()
{
    VCanvas canvas;
    canvas.scene()->addPersistenItem(blackBox(QRectF(0, 0, 1999, 999)), false);
    QPicture picture;
    canvas.scene()->printTo(&picture, QSizeF(1000, 1500));
    QCOMPARE(picture.boundingRect(), QRect(0, 500, 1000, 500));

    VGraphicsScene empty;
    QPicture nothing;
    empty.printTo(&nothing, QSizeF(1000, 1500));
    QVERIFY(nothing.isNull());
}

void tst_VGraphicsScene::surroundOnlyOutsideTheDocument()
{
    VCanvas canvas;
    const QColor grey(205, 209, 214);
    QImage inside(50, 50, QImage::Format_ARGB32_Premultiplied);
    inside.fill(Qt::transparent);
    {
        QPainter painter(&inside);
        canvas.scene()->render(&painter, QRectF(0, 0, 50, 50), QRectF(100, 100, 50, 50));
    }
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x)
            QCOMPARE(inside.pixelColor(x, y), QColor(Qt::white));

    QImage corner(60, 60, QImage::Format_ARGB32_Premultiplied);
    corner.fill(Qt::transparent);
    {
        QPainter painter(&corner);
        canvas.scene()->render(&painter, QRectF(0, 0, 60, 60), QRectF(-30, -30, 60, 60));
    }
    QCOMPARE(corner.pixelColor(2, 2), grey);
    QCOMPARE(corner.pixelColor(45, 45), QColor(Qt::white));
    // The shadow is darker than the surround and fades out away from the edge.
    const int nearEdge = qGray(corner.pixel(28, 45));
    const int farther = qGray(corner.pixel(23, 45));
    QVERIFY(nearEdge < qGray(grey.rgb()));
    QVERIFY(nearEdge < farther);
    QVERIFY(qGray(corner.pixel(28, 28)) < qGray(grey.rgb()));
}

void tst_VGraphicsScene::imageBackground()
{
    VCanvas canvas;
    QPixmap picture(40, 30);
    picture.fill(Qt::green);
    canvas.scene()->setBackground(new VGraphicsBackgroundImage(picture));
    QImage image(80, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        canvas.scene()->render(&painter, QRectF(0, 0, 80, 60), QRectF(0, 0, 80, 60));
    }
    // Shown at the origin and repeated beyond its edge.
    QCOMPARE(image.pixelColor(10, 10), QColor(Qt::green));
    QCOMPARE(image.pixelColor(60, 45), QColor(Qt::green));
}

void tst_VGraphicsScene::backgroundsBelongToTheScene()
{
    int deleted = 0;
    {
        VGraphicsScene scene;
        scene.setBackground(new CountedBackground(&deleted));
        scene.setBackground(new CountedBackground(&deleted));
        QCOMPARE(deleted, 1);
    }
    QCOMPARE(deleted, 2);
}

void tst_VGraphicsScene::removingPersistentItems()
{
    VGraphicsScene scene;
    QPointer<ProbeItem> item = blackBox(QRectF(0, 0, 5, 5));
    scene.addPersistenItem(item, true);
    QSignalSpy removing(&scene, &VGraphicsScene::persistentItemRemoving);
    scene.removePersistenItem(item);
    QCOMPARE(removing.count(), 1);
    QVERIFY(item);
    QVERIFY(!item->isPersistent());
    QVERIFY(!item->layer());
    QVERIFY(scene.activeLayer()->items().isEmpty());
    // Kept for as long as an undo step can bring it back, also past a deferred delete.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(item);
    scene.history().clear();
    QTRY_VERIFY(!item);

    // Not in the document: ignored.
    ProbeItem loose;
    scene.removePersistenItem(&loose);
    QCOMPARE(removing.count(), 1);
}

void tst_VGraphicsScene::changesOfRemovedItemsAreIgnored()
{
    VGraphicsScene scene;
    ProbeItem* kept = blackBox(QRectF(0, 0, 5, 5));
    ProbeItem* removed = blackBox(QRectF(0, 0, 5, 5));
    scene.addPersistenItem(kept, false);
    scene.addPersistenItem(removed, false);
    QSignalSpy changed(&scene, &VGraphicsScene::persistentItemChanged);
    kept->setStrokeWidth(4);
    removed->setStrokeWidth(4);
    scene.removePersistenItem(removed);
    QTRY_COMPARE(changed.count(), 1);
    QCoreApplication::processEvents();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<const VGraphicsItem*>(), kept);
}

void tst_VGraphicsScene::destroyingTheSceneDeletesTheDocument()
{
    QPointer<ProbeItem> item = blackBox(QRectF(0, 0, 5, 5));
    {
        VCanvas canvas;
        canvas.scene()->addPersistenItem(item, true);
    }
    QVERIFY(!item);
}

TALVIK_TEST_MAIN(tst_VGraphicsScene)
#include "tst_VGraphicsScene.moc"
