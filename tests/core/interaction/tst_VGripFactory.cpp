// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikGripStage.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemDecorator.h"
#include "graphics/VGraphicsItemImage.h"
#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemPolygon.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsItemText.h"
#include "interaction/VGripFactoryManager.h"

#include <QPixmap>

using TalvikTest::GripStage;

namespace {

VGraphicsItem* makeItem(const QString& kind)
{
    if (kind == QLatin1String("rectangle") || kind == QLatin1String("text") ||
        kind == QLatin1String("rotated")) {
        auto* rectangle =
            kind == QLatin1String("text") ? new VGraphicsItemText : new VGraphicsItemRectangle;
        rectangle->setPoint1(QVector3D(60, 80, 0));
        rectangle->setPoint2(QVector3D(160, 130, 0));
        if (kind == QLatin1String("rotated"))
            rectangle->setRotation_z(30, false);
        return rectangle;
    }
    if (kind.endsWith(QLatin1String("image"))) {
        auto* image = new VGraphicsItemImage;
        QPixmap pixmap(100, 50);
        pixmap.fill(kind == QLatin1String("image") ? QColor(Qt::red) : QColor(Qt::transparent));
        image->setImage(pixmap);
        image->setTranslation(QVector3D(200, 200, 0), false);
        return image;
    }
    if (kind == QLatin1String("line")) {
        auto* line = new VGraphicsItemLine;
        line->setLine(QVector3D(300, 300, 0), QVector3D(400, 350, 0));
        return line;
    }
    if (kind == QLatin1String("polyline") || kind == QLatin1String("polygon")) {
        auto* polyline =
            kind == QLatin1String("polygon") ? new VGraphicsItemPolygon : new VGraphicsItemPolyline;
        for (const QPointF& p : {QPointF(100, 300), QPointF(200, 100), QPointF(300, 100)})
            polyline->addPoint(QVector3D(p));
        if (kind == QLatin1String("polygon"))
            polyline->close();
        return polyline;
    }
    return new VGraphicsItemDecorator;
}

QStringList factoryNames(const QMetaObject* itemClass)
{
    QStringList names;
    for (const QMetaObject* factory : VGripFactoryManager::instance()->find(itemClass))
        names.append(QLatin1String(factory->className()));
    return names;
}

bool fuzzyEqual(const QVector3D& a, const QVector3D& b)
{
    return (a - b).length() < 1e-3f;
}

} // namespace

class tst_VGripFactory : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void factoriesPerItem_data();
    void factoriesPerItem();
    void boundaryGripOrder_data();
    void boundaryGripOrder();
    void sizeDrags_data();
    void sizeDrags();
    void polylineDrags_data();
    void polylineDrags();
    void nearlyParallelNeighboursKeepTheEdge();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGripFactory::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/factory.ini"));
}

void tst_VGripFactory::factoriesPerItem_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("factories");
    QTest::addColumn<int>("grips");
    const QString boundary = QStringLiteral("VGripFactoryBoundary");
    const QString location = QStringLiteral("VGripFactoryLocation");
    const QString polyline = QStringLiteral("VGripFactoryPolyline");
    QTest::newRow("rectangle") << "rectangle" << QStringList{boundary, location} << 9;
    QTest::newRow("text") << "text" << QStringList{boundary, location} << 9;
    QTest::newRow("image") << "image"
                           << QStringList{QStringLiteral("VGripFactoryImage"),
                                          QStringLiteral("VGripFactorySize"), location}
                           << 9;
    QTest::newRow("line") << "line" << QStringList{QStringLiteral("VGripFactoryLine"), location}
                          << 3;
    QTest::newRow("open polyline") << "polyline" << QStringList{polyline, location} << 3 + 2 + 1;
    QTest::newRow("polygon") << "polygon"
                             << QStringList{QStringLiteral("VGripFactoryPolygon"), polyline,
                                            location}
                             << 3 + 3 + 1;
    QTest::newRow("any other item") << "decorator" << QStringList{location} << 1;
}

void tst_VGripFactory::factoriesPerItem()
{
    QFETCH(QString, kind);
    QFETCH(QStringList, factories);
    QFETCH(int, grips);
    GripStage stage;
    VGraphicsItem* item = makeItem(kind);
    QCOMPARE(factoryNames(item->metaObject()), factories);
    QVERIFY(!item->createGrips());
    stage.scene()->addPersistenItem(item, true);
    const QList<VGrip*> list = stage.grips(item);
    QCOMPARE(list.size(), grips);
    for (VGrip* grip : list) {
        QCOMPARE(grip->scene(), stage.scene());
        QCOMPARE(grip->item(), item);
    }
    // The move grip comes last, on the item's centre.
    QCOMPARE(list.last()->color(), QColor(Qt::cyan));
    QVERIFY(fuzzyEqual(list.last()->basePoint(), item->center()));
}

void tst_VGripFactory::boundaryGripOrder_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("rectangle") << "rectangle";
    QTest::newRow("text") << "text";
    QTest::newRow("rotated rectangle") << "rotated";
    QTest::newRow("image") << "image";
}

void tst_VGripFactory::boundaryGripOrder()
{
    QFETCH(QString, kind);
    GripStage stage;
    VGraphicsItem* item = makeItem(kind);
    stage.scene()->addPersistenItem(item, true);
    const QRectF r = item->boundary();
    // Top-left, top edge, top-right, right edge, bottom-right, bottom edge, bottom-left, left edge.
    const QPointF corners[] = {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()};
    const QVector3D normals[] = {QVector3D(0, -1, 0), QVector3D(1, 0, 0), QVector3D(0, 1, 0),
                                 QVector3D(-1, 0, 0)};
    const QList<VGrip*> grips = stage.grips(item);
    QCOMPARE(grips.size(), 9);
    for (int k = 0; k < 4; ++k) {
        const VGrip* corner = grips.at(2 * k);
        const VGrip* edge = grips.at(2 * k + 1);
        const QPointF next = corners[(k + 1) % 4];
        QVERIFY(fuzzyEqual(corner->basePoint(), item->ecs().map(QVector3D(corners[k]))));
        QCOMPARE(corner->glyphType(), VGripGlyph::GlyphCircle);
        QVERIFY(!corner->constraint());
        QVERIFY(fuzzyEqual(edge->basePoint(), item->ecs().map(QVector3D(corners[k] + next) / 2)));
        QCOMPARE(edge->glyphType(), VGripGlyph::GlyphBar);
        QVERIFY(edge->constraint());
        // Edge grips point outwards, so that a drag away from the item enlarges it.
        QVERIFY(fuzzyEqual(edge->direction().normalized(),
                           item->ecs().mapVector(normals[k]).normalized()));
    }
    QCOMPARE(grips.last()->glyphType(), VGripGlyph::GlyphSquare);
}

void tst_VGripFactory::sizeDrags_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QRectF>("boundary");
    QTest::addColumn<QVector3D>("scale");
    QTest::addColumn<QVector3D>("translation");
    const QVector3D one(1, 1, 1);
    const QVector3D none(0, 0, 0);
    const QVector3D placed(200, 200, 0);
    // The vertical part of the drag is dropped by the edge's constraint.
    QTest::newRow("rectangle, right edge")
        << "rectangle" << 3 << QPointF(30, 12) << QRectF(60, 80, 130, 50) << one << none;
    QTest::newRow("rectangle, top-left corner")
        << "rectangle" << 0 << QPointF(-20, -10) << QRectF(40, 70, 120, 60) << one << none;
    // An image is stretched about its boundary centre, which moves with the dragged corner.
    QTest::newRow("image, top-left corner")
        << "image" << 0 << QPointF(-20, -10) << QRectF(0, 0, 100, 50) << QVector3D(1.2f, 1.2f, 1)
        << QVector3D(190, 195, 0);
    QTest::newRow("image, right edge past the left edge mirrors")
        << "image" << 3 << QPointF(-150, 7) << QRectF(0, 0, 100, 50) << QVector3D(-0.5f, 1, 1)
        << QVector3D(125, 200, 0);
    QTest::newRow("image, right edge onto the left edge")
        << "image" << 3 << QPointF(-100, 0) << QRectF(0, 0, 100, 50) << one << placed;
    QTest::newRow("image, bottom edge onto the top edge")
        << "image" << 5 << QPointF(0, -50) << QRectF(0, 0, 100, 50) << one << placed;
    // Nothing opaque: the boundary has no width and no height to stretch.
    QTest::newRow("image without extent")
        << "transparent image" << 0 << QPointF(40, 30) << QRectF() << one << placed;
}

void tst_VGripFactory::sizeDrags()
{
    QFETCH(QString, kind);
    QFETCH(int, grip);
    QFETCH(QPointF, delta);
    QFETCH(QRectF, boundary);
    QFETCH(QVector3D, scale);
    QFETCH(QVector3D, translation);
    GripStage stage;
    VGraphicsItem* item = makeItem(kind);
    stage.scene()->addPersistenItem(item, true);
    VGrip* target = stage.grips(item).at(grip);
    // Grips that stand on one point: the one under test must take the press.
    target->setZValue(1);
    stage.drag(target, delta);
    QCOMPARE(item->boundary(), boundary);
    QVERIFY2(
        fuzzyEqual(item->scale(), scale),
        qPrintable(QStringLiteral("scale %1, %2").arg(item->scale().x()).arg(item->scale().y())));
    QVERIFY(fuzzyEqual(item->translation(), translation));
    QTRY_COMPARE(stage.grips(item).size(), 9);
}

void tst_VGripFactory::polylineDrags_data()
{
    QTest::addColumn<QList<QPointF>>("points");
    QTest::addColumn<int>("grip");
    QTest::addColumn<QPointF>("delta");
    QTest::addColumn<QPointF>("decoy");
    QTest::addColumn<QList<QPointF>>("expected");
    const QList<QPointF> zigzag{QPointF(100, 300), QPointF(200, 100), QPointF(300, 100),
                                QPointF(400, 300)};
    const QList<QPointF> pair{QPointF(100, 100), QPointF(300, 200)};
    // Grips: vertex 0, edge 0, vertex 1, edge 1, ...
    QTest::newRow("zig-zag, middle edge") << zigzag << 3 << QPointF(7, 50) << QPointF()
                                          << QList<QPointF>{QPointF(100, 300), QPointF(175, 150),
                                                            QPointF(325, 150), QPointF(400, 300)};
    QTest::newRow("zig-zag, vertex") << zigzag << 2 << QPointF(-40, 20) << QPointF()
                                     << QList<QPointF>{QPointF(100, 300), QPointF(160, 120),
                                                       QPointF(300, 100), QPointF(400, 300)};
    // Both neighbours of the only edge are the edge itself.
    QTest::newRow("two points, edge") << pair << 1 << QPointF(20, -40) << QPointF() << pair;
    // Another item's coordinate 0.05 away pulls the pointer: a drag too small to count.
    QTest::newRow("vertex by a twentieth")
        << pair << 0 << QPointF(1, 1) << QPointF(100.05, 100.05) << pair;
}

void tst_VGripFactory::polylineDrags()
{
    QFETCH(QList<QPointF>, points);
    QFETCH(int, grip);
    QFETCH(QPointF, delta);
    QFETCH(QPointF, decoy);
    QFETCH(QList<QPointF>, expected);
    GripStage stage;
    if (!decoy.isNull()) {
        auto* other = new VGraphicsItemLine;
        other->setLine(QVector3D(decoy), QVector3D(decoy));
        stage.scene()->addPersistenItem(other, false);
    }
    auto* polyline = new VGraphicsItemPolyline;
    for (const QPointF& p : points)
        polyline->addPoint(QVector3D(p));
    stage.scene()->addPersistenItem(polyline, true);
    VGrip* target = stage.grips(polyline).at(grip);
    // A two-point polyline's move grip stands on its edge grip.
    target->setZValue(1);
    QSignalSpy moved(target, &VGrip::moved);
    stage.drag(target, delta);
    QVERIFY(!moved.isEmpty());
    QList<QPointF> result;
    for (const QVector3D& p : polyline->points())
        result.append(p.toPointF());
    QCOMPARE(result.size(), expected.size());
    for (int i = 0; i < result.size(); ++i) {
        QVERIFY2(QLineF(result.at(i), expected.at(i)).length() < 1e-3,
                 qPrintable(QStringLiteral("point %1 at (%2, %3)")
                                .arg(i)
                                .arg(result.at(i).x())
                                .arg(result.at(i).y())));
    }
}

void tst_VGripFactory::nearlyParallelNeighboursKeepTheEdge()
{
    // Three points on one straight line, turned: rounding in the item's own plane must not
    // make the neighbouring line meet the moved edge far away.
    GripStage stage;
    auto* polyline = new VGraphicsItemPolyline;
    for (const QPointF& p : {QPointF(110, 130), QPointF(210, 130), QPointF(310, 130)})
        polyline->addPoint(QVector3D(p));
    polyline->setRotation_z(37, false);
    stage.scene()->addPersistenItem(polyline, true);
    const QVector<QVector3D> before = polyline->points();
    // Edge 1 from the middle point to the last; its neighbour on the left is edge 0.
    VGrip* edge = stage.grips(polyline).at(3);
    stage.drag(edge, QPointF(edge->direction().toPointF() * 25));
    const QVector<QVector3D> after = polyline->points();
    for (int i = 0; i < after.size(); ++i)
        QVERIFY2(after.at(i).distanceToPoint(before.at(i)) < 50,
                 qPrintable(QStringLiteral("point %1 moved to (%2, %3)")
                                .arg(i)
                                .arg(after.at(i).x())
                                .arg(after.at(i).y())));
}

TALVIK_TEST_MAIN(tst_VGripFactory)
#include "tst_VGripFactory.moc"
