// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemImage.h"
#include "graphics/VGraphicsItemLine.h"
#include "graphics/VGraphicsItemPolygon.h"
#include "graphics/VGraphicsItemPolyline.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsItemText.h"
#include "graphics/VGraphicsScene.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>

#include <memory>

namespace {

// The items' protected operations, reached the way any subclass may reach them.
struct ItemAccess : VGraphicsItem
{
    static QVector<QVector3D> snapPointsOf(VGraphicsItem* item)
    {
        return (item->*(&ItemAccess::snapPoints))();
    }
    static bool copyInto(VGraphicsItem* target, const VGraphicsItem* source)
    {
        return (target->*(&ItemAccess::copy))(source);
    }
};

using ItemPointer = std::unique_ptr<VGraphicsItem>;

const QColor stroke(0, 0, 255);
const QColor fill(255, 0, 0);
const QColor picture(0, 160, 0);
// The closing edge C -> A of these is the diagonal.
const QVector3D a(0, 0, 0), b(100, 0, 0), c(100, 100, 0);

template <class T>
std::unique_ptr<T> styled(unsigned int width, bool filled = false)
{
    auto item = std::make_unique<T>();
    item->setStrokeWidth(width);
    item->setStrokeColor(stroke);
    if (filled) {
        QPixmap pixmap(8, 8);
        pixmap.fill(fill);
        item->setFillImage(pixmap);
    }
    return item;
}

template <class T>
ItemPointer chain(std::unique_ptr<T> item, const QVector<QVector3D>& points)
{
    for (const QVector3D& p : points)
        item->addPoint(p);
    return item;
}

ItemPointer makeItem(const QString& kind)
{
    const bool filled = kind.startsWith("filled");
    if (kind == "line") {
        auto line = styled<VGraphicsItemLine>(4);
        line->setLine(a, b);
        return line;
    }
    if (kind.endsWith("rect")) {
        auto rect = styled<VGraphicsItemRectangle>(1, filled);
        rect->setPoint1(a);
        rect->setPoint2(c);
        return rect;
    }
    if (kind == "polyline")
        return chain(styled<VGraphicsItemPolyline>(1), {a, b, c});
    if (kind == "repeatedPoint")
        return chain(styled<VGraphicsItemPolyline>(1), {a, a, b});
    if (kind == "onePoint")
        return chain(styled<VGraphicsItemPolyline>(1), {{40, 40, 0}});
    if (kind.endsWith("polygon")) {
        auto polygon = styled<VGraphicsItemPolygon>(1, filled);
        polygon->close();
        return chain(std::move(polygon), {a, b, c});
    }
    if (kind == "image") {
        // Left half opaque, right half transparent.
        QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter(&image).fillRect(0, 0, 5, 10, picture);
        auto item = std::make_unique<VGraphicsItemImage>();
        item->setImage(QPixmap::fromImage(image));
        return item;
    }
    auto text = std::make_unique<VGraphicsItemText>();
    text->setPlainText(QStringLiteral("Text"));
    return text;
}

QImage render(VGraphicsItem& item, double zoom = 1.0)
{
    QImage image(240, 240, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.scale(zoom, zoom);
    // Room for strokes that reach above and left of the origin.
    painter.translate(10, 10);
    const QStyleOptionGraphicsItem option;
    item.paint(&painter, &option);
    return image;
}

bool near(const QVector3D& p, const QVector3D& q)
{
    return p.distanceToPoint(q) < 1e-2f;
}

} // namespace

class tst_VGraphicsItemShapes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void hitArea_data();
    void hitArea();
    void rectangleFromCorners_data();
    void rectangleFromCorners();
    void subPixelRectangleIsNotDrawn_data();
    void subPixelRectangleIsNotDrawn();
    void painting_data();
    void painting();
    void snapPoints_data();
    void snapPoints();
    void setPointOutOfRange_data();
    void setPointOutOfRange();
    void persistentPolylineHitFollowsStroke();
    void cloneKeepsContent_data();
    void cloneKeepsContent();
    void copyAcrossClasses_data();
    void copyAcrossClasses();
    void geometryOnTransformedItem_data();
    void geometryOnTransformedItem();
    void sizeThroughScale();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGraphicsItemShapes::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(m_dir.filePath("shapes.ini"));
}

void tst_VGraphicsItemShapes::hitArea_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<bool>("hit");

    // Width 4: half the stroke plus 3 on either side.
    QTest::newRow("line, inside its band") << "line" << QPointF(50, 4.9) << true;
    QTest::newRow("line, just outside its band") << "line" << QPointF(50, 5.1) << false;

    QTest::newRow("rectangle, centre") << "rect" << QPointF(50, 50) << false;
    QTest::newRow("rectangle, edge band") << "rect" << QPointF(50, 3.4) << true;
    QTest::newRow("rectangle, inside a corner") << "rect" << QPointF(2, 2) << true;
    QTest::newRow("filled rectangle, centre") << "filledrect" << QPointF(50, 50) << true;

    QTest::newRow("polyline, joint") << "polyline" << QPointF(98, 2) << true;
    QTest::newRow("polyline, no edge back") << "polyline" << QPointF(50, 50) << false;
    QTest::newRow("polyline, repeated point") << "repeatedPoint" << QPointF(0.05, 0.05) << true;

    QTest::newRow("polygon, closing edge") << "polygon" << QPointF(50, 50) << false;
    QTest::newRow("filled polygon, inside the closing edge")
        << "filledpolygon" << QPointF(52, 48) << true;
    QTest::newRow("filled polygon, outside the closing edge")
        << "filledpolygon" << QPointF(48, 52) << false;
    QTest::newRow("filled polygon, edge band over the inside")
        << "filledpolygon" << QPointF(50, 1) << true;

    QTest::newRow("image, opaque part") << "image" << QPointF(2, 5) << true;
    QTest::newRow("image, transparent part") << "image" << QPointF(8, 5) << false;
}

void tst_VGraphicsItemShapes::hitArea()
{
    QFETCH(QString, kind);
    QFETCH(QPointF, point);
    QFETCH(bool, hit);
    QCOMPARE(makeItem(kind)->contains(point), hit);
}

void tst_VGraphicsItemShapes::rectangleFromCorners_data()
{
    QTest::addColumn<QVector3D>("point1");
    QTest::addColumn<QVector3D>("point2");
    QTest::addColumn<QRectF>("rectangle");
    QTest::addColumn<QSizeF>("size");

    QTest::newRow("second corner below right")
        << QVector3D(10, 20, 0) << QVector3D(60, 60, 0) << QRectF(10, 20, 50, 40) << QSizeF(50, 40);
    QTest::newRow("second corner above left") << QVector3D(100, 100, 0) << QVector3D(50, 60, 0)
                                              << QRectF(50, 60, 50, 40) << QSizeF(-50, -40);
    QTest::newRow("second corner below left") << QVector3D(100, 10, 0) << QVector3D(50, 60, 0)
                                              << QRectF(50, 10, 50, 50) << QSizeF(-50, 50);
}

void tst_VGraphicsItemShapes::rectangleFromCorners()
{
    QFETCH(QVector3D, point1);
    QFETCH(QVector3D, point2);
    QFETCH(QRectF, rectangle);
    QFETCH(QSizeF, size);

    VGraphicsItemRectangle item;
    item.setPoint1(point1);
    item.setPoint2(point2);
    QCOMPARE(item.rectangle(), rectangle);
    QCOMPARE(QSizeF(item.width(), item.height()), size);
    // Normalizing does not move the item.
    QCOMPARE(item.sceneBoundary(), rectangle);
}

void tst_VGraphicsItemShapes::subPixelRectangleIsNotDrawn_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("zoom");
    QTest::addColumn<bool>("drawn");

    QTest::newRow("half a pixel high") << QSizeF(50, 0.5) << 1.0 << false;
    QTest::newRow("0.95 pixel high") << QSizeF(50, 0.5) << 1.9 << false;
    QTest::newRow("zoomed to one pixel high") << QSizeF(50, 0.5) << 2.0 << true;
    QTest::newRow("half a pixel wide") << QSizeF(0.5, 50) << 1.0 << false;
    QTest::newRow("zoomed to one pixel wide") << QSizeF(0.5, 50) << 2.0 << true;
}

void tst_VGraphicsItemShapes::subPixelRectangleIsNotDrawn()
{
    QFETCH(QSizeF, size);
    QFETCH(double, zoom);
    QFETCH(bool, drawn);

    const auto item = styled<VGraphicsItemRectangle>(1);
    item->setBoundary(QRectF(QPointF(10, 10), size));
    QImage blank(240, 240, QImage::Format_ARGB32_Premultiplied);
    blank.fill(Qt::transparent);
    QCOMPARE(render(*item, zoom) != blank, drawn);
}

void tst_VGraphicsItemShapes::painting_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");

    const QColor none(Qt::transparent);
    // Pixels are item coordinates moved by (10, 10).
    QTest::newRow("line") << "line" << QPoint(60, 10) << stroke;
    QTest::newRow("rectangle edge") << "rect" << QPoint(60, 10) << stroke;
    QTest::newRow("unfilled rectangle inside") << "rect" << QPoint(60, 60) << none;
    QTest::newRow("filled rectangle inside") << "filledrect" << QPoint(60, 60) << fill;
    QTest::newRow("polyline, no closing edge") << "polyline" << QPoint(60, 60) << none;
    QTest::newRow("polygon closing edge") << "polygon" << QPoint(60, 60) << stroke;
    QTest::newRow("filled polygon inside") << "filledpolygon" << QPoint(90, 40) << fill;
    QTest::newRow("image, opaque part at the origin") << "image" << QPoint(12, 15) << picture;
}

void tst_VGraphicsItemShapes::painting()
{
    QFETCH(QString, kind);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QCOMPARE(render(*makeItem(kind)).pixelColor(pixel), colour);
}

void tst_VGraphicsItemShapes::snapPoints_data()
{
    QTest::addColumn<QString>("kind");
    // After the boundary's centre, which always comes first.
    QTest::addColumn<QVector<QVector3D>>("points");

    const QVector3D d(0, 100, 0);
    QTest::newRow("line") << "line" << QVector<QVector3D>{a, b};
    QTest::newRow("rectangle") << "rect"
                               << QVector<QVector3D>{a,           b,           d,
                                                     c,           (a + b) / 2, (b + c) / 2,
                                                     (c + d) / 2, (d + a) / 2};
    QTest::newRow("open polyline")
        << "polyline" << QVector<QVector3D>{a, (a + b) / 2, b, (b + c) / 2, c};
    QTest::newRow("closed polygon")
        << "polygon" << QVector<QVector3D>{a, (a + b) / 2, b, (b + c) / 2, c, (c + a) / 2};
    QTest::newRow("polyline of one point") << "onePoint" << QVector<QVector3D>{};
}

void tst_VGraphicsItemShapes::snapPoints()
{
    QFETCH(QString, kind);
    QFETCH(QVector<QVector3D>, points);

    const ItemPointer item = makeItem(kind);
    const QVector<QVector3D> snaps = ItemAccess::snapPointsOf(item.get());
    QCOMPARE(snaps.value(0), QVector3D(item->boundary().center()));
    QCOMPARE(snaps.mid(1), points);
}

void tst_VGraphicsItemShapes::setPointOutOfRange_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("applies");

    QTest::newRow("before the first") << -1 << false;
    QTest::newRow("past the last") << 5 << false;
    QTest::newRow("the last") << 2 << true;
}

void tst_VGraphicsItemShapes::setPointOutOfRange()
{
    QFETCH(int, index);
    QFETCH(bool, applies);

    VGraphicsScene scene;
    auto* polyline = static_cast<VGraphicsItemPolyline*>(makeItem("polyline").release());
    scene.addPersistenItem(polyline, false);
    const QPainterPath shape = polyline->shape();
    QSignalSpy changed(polyline, &VGraphicsItem::changed);

    const QVector3D p(30, 70, 0);
    polyline->setPoint(index, p);
    QCOMPARE(changed.count(), applies ? 1 : 0);
    QVector<QVector3D> expected{a, b, c};
    if (applies)
        expected[index] = p;
    QCOMPARE(polyline->points(), expected);
    QCOMPARE(polyline->shape() == shape, !applies);
}

void tst_VGraphicsItemShapes::persistentPolylineHitFollowsStroke()
{
    VGraphicsScene scene;
    VGraphicsItem* polyline = makeItem("polyline").release();
    scene.addPersistenItem(polyline, false);
    QVERIFY(!polyline->contains(QPointF(50, 8)));
    polyline->setStrokeWidth(12);
    QVERIFY(polyline->contains(QPointF(50, 8)));
}

void tst_VGraphicsItemShapes::cloneKeepsContent_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"line", "filledrect", "polyline", "filledpolygon", "image", "text"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void tst_VGraphicsItemShapes::cloneKeepsContent()
{
    QFETCH(QString, kind);

    const ItemPointer item = makeItem(kind);
    item->setRotation_z(30);
    item->setScale(QVector3D(2, 0.5, 1));
    item->setTranslation(QVector3D(7, -3, 0), true);
    item->setOpacity(0.5);

    const ItemPointer copy(item->clone());
    QVERIFY(copy);
    QCOMPARE(copy->metaObject(), item->metaObject());
    QCOMPARE(copy->sceneTransform(), item->sceneTransform());
    QCOMPARE(copy->shape(), item->shape());
    QCOMPARE(copy->opacity(), 0.5);
    QCOMPARE(ItemAccess::snapPointsOf(copy.get()), ItemAccess::snapPointsOf(item.get()));
    QCOMPARE(render(*copy), render(*item));
}

void tst_VGraphicsItemShapes::copyAcrossClasses_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("source");

    auto row = [](const char* name, const char* target, const char* source) {
        QTest::newRow(name) << QString(target) << QString(source);
    };
    row("line into rectangle", "rect", "line");
    row("polygon into polyline", "polyline", "polygon");
    row("polyline into polygon", "polygon", "polyline");
    row("text into rectangle", "rect", "text");
}

void tst_VGraphicsItemShapes::copyAcrossClasses()
{
    QFETCH(QString, target);
    QFETCH(QString, source);

    VGraphicsScene scene;
    VGraphicsItem* item = makeItem(target).release();
    scene.addPersistenItem(item, false);
    const ItemPointer other = makeItem(source);
    other->setStrokeWidth(9);
    const QPainterPath shape = item->shape();
    QSignalSpy changed(item, &VGraphicsItem::changed);

    QVERIFY(!ItemAccess::copyInto(item, other.get()));
    QCOMPARE(item->shape(), shape);
    QCOMPARE(item->strokeWidth(), 1u);
    QCOMPARE(changed.count(), 0);
}

void tst_VGraphicsItemShapes::geometryOnTransformedItem_data()
{
    QTest::addColumn<double>("rotation");
    QTest::addColumn<QVector3D>("scale");

    QTest::newRow("rotated") << 30.0 << QVector3D(1, 1, 1);
    QTest::newRow("scaled") << 0.0 << QVector3D(2, 0.5, 1);
    QTest::newRow("rotated and scaled") << 45.0 << QVector3D(1.5, 3, 1);
}

// Setters take parent coordinates: the point set lands where asked and the untouched points
// stay where they were, although the boundary's centre, about which the item turns, moved.
void tst_VGraphicsItemShapes::geometryOnTransformedItem()
{
    QFETCH(double, rotation);
    QFETCH(QVector3D, scale);
    const QVector3D p(160, -40, 0);
    auto transformed = [&](VGraphicsItem& item) {
        item.setRotation_z(rotation);
        item.setScale(scale);
    };

    VGraphicsItemLine line;
    line.setLine(a, {50, 20, 0});
    transformed(line);
    const QVector3D start = line.startPoint();
    line.setEndPoint(p);
    QVERIFY(near(line.endPoint(), p));
    QVERIFY(near(line.startPoint(), start));

    VGraphicsItemRectangle rect;
    rect.setBoundary(QRectF(0, 0, 50, 30));
    transformed(rect);
    const QVector3D corner1 = rect.ecs().map(a);
    rect.setPoint2(p);
    QVector<QVector3D> corners = ItemAccess::snapPointsOf(&rect).mid(1, 4);
    for (QVector3D& corner : corners)
        corner = rect.ecs().map(corner);
    auto hasCorner = [&](const QVector3D& q) {
        return std::any_of(corners.begin(), corners.end(), [&](auto& r) { return near(q, r); });
    };
    QVERIFY(hasCorner(p));
    QVERIFY(hasCorner(corner1));

    VGraphicsItemPolyline polyline;
    polyline.addPoint(a);
    polyline.addPoint(b);
    transformed(polyline);
    const QVector3D second = polyline.pointAt(1);
    polyline.addPoint(p);
    polyline.setPoint(0, -p);
    QVERIFY(near(polyline.pointAt(0), -p));
    QVERIFY(near(polyline.pointAt(1), second));
    QVERIFY(near(polyline.pointAt(2), p));
}

void tst_VGraphicsItemShapes::sizeThroughScale()
{
    VGraphicsItemRectangle rect;
    rect.setBoundary(QRectF(0, 0, 50, 30));
    rect.setScale(QVector3D(2, 0.5, 1));
    QCOMPARE(QSizeF(rect.width(), rect.height()), QSizeF(100, 15));
    rect.setWidth(80);
    rect.setHeight(-20);
    QCOMPARE(QSizeF(rect.width(), rect.height()), QSizeF(80, -20));
    QCOMPARE(rect.rectangle().size(), QSizeF(40, 40));
}

TALVIK_TEST_MAIN(tst_VGraphicsItemShapes)
#include "tst_VGraphicsItemShapes.moc"
