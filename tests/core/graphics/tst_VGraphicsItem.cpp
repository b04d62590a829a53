// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikProbeItem.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "foundation/VGlobalResource.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>

using TalvikTest::OtherProbeItem;
using TalvikTest::ProbeItem;

namespace {

bool fuzzyEqual(const QVector3D& a, const QVector3D& b)
{
    return (a - b).length() < 1e-3f;
}

QVector3D onScene(const VGraphicsItem& item, const QPointF& local)
{
    return item.ecs().map(QVector3D(local));
}

// Dark pixels along the item's top edge, drawn with its own pen set-up.
int paintedTopEdge(ProbeItem& item)
{
    QImage image(120, 60, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option);
    painter.end();
    int dark = 0;
    for (int x = 20; x < 80; ++x)
        dark += qGray(image.pixel(x, 10)) < 128 ? 1 : 0;
    return dark;
}

} // namespace

class tst_VGraphicsItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultsComeFromTheSettings();
    void rotationTurnsAboutTheBoundaryCentre();
    void geometryEditsKeepUntouchedPointsInPlace_data();
    void geometryEditsKeepUntouchedPointsInPlace();
    void relativeScaleMultipliesAndForcesZ();
    void properties();
    void nestedBracketsNotifyOnce();
    void suppressedBracketsNotifyNothing();
    void dynamicItemsOnlyUpdateTheirTransform();
    void zeroStrokeOutline_data();
    void zeroStrokeOutline();
    void boundingRectGrowsWithTheStroke_data();
    void boundingRectGrowsWithTheStroke();
    void cloneAndCopy();
    void fillImageTravelsWithCopies();
    void fillStaysOnScenePixelsAtAnyZoom_data();
    void fillStaysOnScenePixelsAtAnyZoom();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGraphicsItem::initTestCase()
{
    const QString path = TalvikTest::privateHome().path() + QStringLiteral("/item.ini");
    m_config = std::make_unique<TalvikTest::IniConfig>(path);
    m_config->setBorderLineWidth(3);
    m_config->setBorderLineColor(QColor(200, 10, 20, 60));
}

void tst_VGraphicsItem::defaultsComeFromTheSettings()
{
    ProbeItem item;
    QCOMPARE(item.strokeWidth(), 3u);
    // The stored alpha is ignored: a new outline is always opaque.
    QCOMPARE(item.strokeColor(), QColor(200, 10, 20, 255));
    QCOMPARE(item.opacity(), 1.0);
    QVERIFY(item.ecs().isIdentity());
    QVERIFY(!item.hasTranslation());
    QVERIFY(!item.hasRotation());
    QVERIFY(!item.hasScale());
    QCOMPARE(item.scale(), QVector3D(1, 1, 1));
    QCOMPARE(item.type(), int(QGraphicsItem::UserType + 2));
    QVERIFY(item.flags() & QGraphicsItem::ItemIsSelectable);
}

void tst_VGraphicsItem::rotationTurnsAboutTheBoundaryCentre()
{
    ProbeItem item;
    item.setRect(QRectF(0, 0, 100, 50));
    item.setRotation_z(90);
    QVERIFY(item.hasRotation());
    QVERIFY(fuzzyEqual(item.center(), QVector3D(50, 25, 0)));
    // The top-left corner turns a quarter about (50, 25).
    QVERIFY(fuzzyEqual(onScene(item, QPointF(0, 0)), QVector3D(75, -25, 0)));
    // QGraphicsItem's own transform says the same.
    QCOMPARE(item.mapToScene(QPointF(0, 0)).toPoint(), QPoint(75, -25));
    item.setRotation_z(30, true);
    QCOMPARE(item.rotation_z(), 120.0);
}

void tst_VGraphicsItem::geometryEditsKeepUntouchedPointsInPlace_data()
{
    QTest::addColumn<double>("rotation");
    QTest::addColumn<QVector3D>("scale");
    QTest::addColumn<QVector3D>("translation");
    QTest::newRow("rotated") << 30.0 << QVector3D(1, 1, 1) << QVector3D(0, 0, 0);
    QTest::newRow("scaled") << 0.0 << QVector3D(2, 0.5, 1) << QVector3D(0, 0, 0);
    QTest::newRow("rotated, scaled, moved")
        << -75.0 << QVector3D(3, 1.5, 1) << QVector3D(40, -20, 0);
}

void tst_VGraphicsItem::geometryEditsKeepUntouchedPointsInPlace()
{
    QFETCH(double, rotation);
    QFETCH(QVector3D, scale);
    QFETCH(QVector3D, translation);
    ProbeItem item;
    item.setRect(QRectF(0, 0, 100, 50));
    item.setTranslation(translation);
    item.setScale(scale);
    item.setRotation_z(rotation);
    const QVector3D topLeft = onScene(item, QPointF(0, 0));
    const QVector3D bottomLeft = onScene(item, QPointF(0, 50));
    const QVector3D before = item.translation();

    // Stretching to the right moves the boundary centre but not the left edge.
    item.setRect(QRectF(0, 0, 180, 50));
    QVERIFY(fuzzyEqual(onScene(item, QPointF(0, 0)), topLeft));
    QVERIFY(fuzzyEqual(onScene(item, QPointF(0, 50)), bottomLeft));
    QVERIFY(!fuzzyEqual(item.translation(), before));
    QCOMPARE(item.mapToScene(QPointF(0, 50)).toPoint(), bottomLeft.toPointF().toPoint());
}

void tst_VGraphicsItem::relativeScaleMultipliesAndForcesZ()
{
    ProbeItem item;
    item.setRect(QRectF(0, 0, 10, 10));
    item.setScale(QVector3D(2, 3, 7));
    QCOMPARE(item.scale(), QVector3D(2, 3, 1));
    item.setScale(QVector3D(0.5, 2, 9), true);
    QCOMPARE(item.scale(), QVector3D(1, 6, 1));
}

void tst_VGraphicsItem::properties()
{
    ProbeItem item;
    item.setRect(QRectF(0, 0, 10, 20));
    QVERIFY(item.setProperty("position", QVector3D(100, 50, 0)));
    QVERIFY(fuzzyEqual(item.center(), QVector3D(100, 50, 0)));
    QVERIFY(item.setProperty("rotation", 45.0));
    QCOMPARE(item.rotation_z(), 45.0);
    QVERIFY(item.setProperty("scale", QVector3D(2, 2, 2)));
    QCOMPARE(item.scale(), QVector3D(2, 2, 1));
    QVERIFY(item.setProperty("opacity", 0.25));
    QCOMPARE(item.opacity(), 0.25);
    QCOMPARE(item.QGraphicsItem::opacity(), 0.25);
    QVERIFY(item.setProperty("strokeWidth", 7u));
    QCOMPARE(item.property("strokeWidth").toUInt(), 7u);
    QVERIFY(item.setProperty("strokeColor", QColor(1, 2, 3)));
    QCOMPARE(item.strokeColor(), QColor(1, 2, 3));
    // The centre stays put while the item turns and grows about it.
    QVERIFY(fuzzyEqual(item.property("position").value<QVector3D>(), QVector3D(100, 50, 0)));
}

void tst_VGraphicsItem::nestedBracketsNotifyOnce()
{
    VGraphicsScene scene;
    auto* item = new ProbeItem;
    scene.addPersistenItem(item, false);
    QSignalSpy changed(item, &VGraphicsItem::changed);
    QSignalSpy layerChanged(scene.activeLayer(), &VGraphicsLayer::itemChanged);
    QSignalSpy sceneChanged(&scene, &VGraphicsScene::persistentItemChanged);
    {
        VGraphicsItemChangeNotifier outer(item);
        {
            VGraphicsItemChangeNotifier middle(item);
            item->setRect(QRectF(0, 0, 30, 30));
            item->setStrokeWidth(2);
        }
        QCOMPARE(changed.count(), 0);
        QCOMPARE(item->changes, 0);
    }
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<const VGraphicsItem*>(), item);
    QCOMPARE(item->changes, 1);
    QCOMPARE(layerChanged.count(), 1);
    // The scene hears of it once control is back in the event loop.
    QCOMPARE(sceneChanged.count(), 0);
    QTRY_COMPARE(sceneChanged.count(), 1);
}

void tst_VGraphicsItem::suppressedBracketsNotifyNothing()
{
    VGraphicsScene scene;
    auto* item = new ProbeItem;
    scene.addPersistenItem(item, false);
    QSignalSpy changed(item, &VGraphicsItem::changed);
    item->suppressChangeNotification();
    item->setRect(QRectF(0, 0, 30, 30));
    item->setStrokeWidth(4);
    item->unsuppressChangeNotification();
    QCOMPARE(changed.count(), 0);
    QCOMPARE(item->changes, 0);
    item->setStrokeWidth(5);
    QCOMPARE(changed.count(), 1);
}

void tst_VGraphicsItem::dynamicItemsOnlyUpdateTheirTransform()
{
    VGraphicsScene scene;
    ProbeItem item;
    scene.addActiveItem(&item);
    QSignalSpy changed(&item, &VGraphicsItem::changed);
    item.setRect(QRectF(0, 0, 100, 50));
    item.setRotation_z(90);
    const QVector3D topLeft = onScene(item, QPointF(0, 0));
    item.setRect(QRectF(0, 0, 60, 50));
    QVERIFY(fuzzyEqual(onScene(item, QPointF(0, 0)), topLeft));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(item.changes, 0);
    scene.removeActiveItem(&item);
}

void tst_VGraphicsItem::zeroStrokeOutline_data()
{
    QTest::addColumn<bool>("persistent");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<int>("minDark");
    QTest::addColumn<int>("maxDark");
    // A dotted line darkens about half of the edge; a hidden one none of it.
    QTest::newRow("persistent, not selected") << true << false << 0 << 0;
    QTest::newRow("persistent, selected") << true << true << 15 << 45;
    QTest::newRow("dynamic") << false << false << 15 << 45;
}

void tst_VGraphicsItem::zeroStrokeOutline()
{
    QFETCH(bool, persistent);
    QFETCH(bool, selected);
    QFETCH(int, minDark);
    QFETCH(int, maxDark);
    VGraphicsScene scene;
    auto* item = new ProbeItem;
    item->setRect(QRectF(10, 10, 80, 40));
    item->setStrokeWidth(0);
    item->setStrokeColor(Qt::black);
    if (persistent)
        scene.addPersistenItem(item, selected);
    const int dark = paintedTopEdge(*item);
    QVERIFY2(dark >= minDark && dark <= maxDark, qPrintable(QString::number(dark)));
    if (!persistent)
        delete item;
}

void tst_VGraphicsItem::boundingRectGrowsWithTheStroke_data()
{
    QTest::addColumn<unsigned int>("width");
    QTest::addColumn<double>("margin");
    QTest::newRow("none") << 0u << 2.0;
    QTest::newRow("one") << 1u << 2.5;
    QTest::newRow("five") << 5u << 4.5;
    QTest::newRow("ten") << 10u << 7.0;
}

void tst_VGraphicsItem::boundingRectGrowsWithTheStroke()
{
    QFETCH(unsigned int, width);
    QFETCH(double, margin);
    ProbeItem item;
    item.setRect(QRectF(10, 20, 30, 40));
    item.setStrokeWidth(width);
    QCOMPARE(item.boundingRect(),
             QRectF(10, 20, 30, 40).adjusted(-margin, -margin, margin, margin));
}

void tst_VGraphicsItem::cloneAndCopy()
{
    ProbeItem item;
    item.setRect(QRectF(0, 0, 40, 20));
    item.setRotation_z(33);
    item.setScale(QVector3D(2, 1, 1));
    item.setTranslation(QVector3D(5, 6, 0), true);
    item.setStrokeColor(Qt::blue);
    item.setOpacity(0.5);

    std::unique_ptr<VGraphicsItem> copy(item.clone());
    QVERIFY(copy);
    QCOMPARE(copy->metaObject(), &ProbeItem::staticMetaObject);
    QCOMPARE(copy->ecs(), item.ecs());
    QCOMPARE(copy->transform(), item.transform());
    QCOMPARE(copy->boundary(), item.boundary());
    QCOMPARE(copy->strokeColor(), QColor(Qt::blue));
    QCOMPARE(copy->QGraphicsItem::opacity(), 0.5);
    QVERIFY(!copy->isPersistent());

    OtherProbeItem other;
    other.setRect(QRectF(1, 1, 2, 2));
    QVERIFY(!other.copy(&item));
    QCOMPARE(other.boundary(), QRectF(1, 1, 2, 2));
    QVERIFY(!item.copy(&other));
    QCOMPARE(item.boundary(), QRectF(0, 0, 40, 20));

    // The base class has no invokable constructor, so it cannot be cloned.
    VGraphicsItem base;
    QVERIFY(!base.clone());
}

void tst_VGraphicsItem::fillImageTravelsWithCopies()
{
    ProbeItem item;
    item.setRect(QRectF(0, 0, 8, 8));
    item.setFillImage(QPixmap());
    QVERIFY(!item.isFill());

    QPixmap red(8, 8);
    red.fill(Qt::red);
    item.setFillImage(red);
    QVERIFY(item.isFill());
    std::unique_ptr<VGraphicsItem> copy(item.clone());

    // The copy paints with the same picture, found by its id.
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    copy->setStrokeWidth(0);
    copy->paint(&painter, &option);
    painter.drawRect(QRectF(0, 0, 8, 8));
    painter.end();
    QCOMPARE(image.pixelColor(4, 4), QColor(Qt::red));
}

void tst_VGraphicsItem::fillStaysOnScenePixelsAtAnyZoom_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("persistent");
    QTest::newRow("1, document") << 1.0 << true;
    QTest::newRow("2, document") << 2.0 << true;
    QTest::newRow("4, document") << 4.0 << true;
    QTest::newRow("2, drawn") << 2.0 << false;
}

void tst_VGraphicsItem::fillStaysOnScenePixelsAtAnyZoom()
{
    QFETCH(double, scale);
    QFETCH(bool, persistent);
    VCanvas canvas;
    canvas.view()->setScale(scale);
    auto* item = new ProbeItem;
    item->setRect(QRectF(0, 0, 8, 8));
    QPixmap red(8, 8);
    red.fill(Qt::red);
    item->setFillImage(red);
    if (persistent)
        canvas.scene()->addPersistenItem(item, false);
    else
        canvas.scene()->addActiveItem(item);

    // The half-pixel shift that puts one-pixel lines on device pixels, from the scene for the
    // document and from the item itself while it is drawn; the picture must not take it.
    QImage image(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const double shift = 0.5 / scale;
    if (persistent)
        painter.translate(shift, shift);
    QStyleOptionGraphicsItem option;
    item->VGraphicsItem::paint(&painter, &option);
    const QPointF origin = (painter.brush().transform() * painter.transform()).map(QPointF(0, 0));
    QVERIFY2(qAbs(origin.x()) < 1e-9 && qAbs(origin.y()) < 1e-9,
             qPrintable(QStringLiteral("%1,%2").arg(origin.x()).arg(origin.y())));
    painter.end();
    if (!persistent) {
        canvas.scene()->removeActiveItem(item);
        delete item;
    }
}

TALVIK_TEST_MAIN(tst_VGraphicsItem)
#include "tst_VGraphicsItem.moc"
