// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikProbeItem.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VCursor.h"
#include "interaction/VGrip.h"
#include "interaction/VGripConstraintLine.h"
#include "interaction/VGripFactoryLocation.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QPointer>
#include <QSignalSpy>

using TalvikTest::ProbeItem;

Q_DECLARE_METATYPE(VV::enumGripDragStatus)

namespace {

// A shown canvas with one persistent item and one move grip on it at (100, 100).
class GripStage
{
public:
    GripStage()
    {
        canvas.resize(700, 600);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        item = new ProbeItem;
        item->setRect(QRectF(60, 80, 80, 40));
        canvas.scene()->addPersistenItem(item, false);
        factory = QSharedPointer<VGripFactoryAbstract>(new VGripFactoryLocation);
        grip = new VGrip(item);
        grip->setBasePoint(QVector3D(100, 100, 0));
        grip->setFactory(factory);
        QObject::connect(grip, &VGrip::moved, static_cast<VGripFactoryLocation*>(factory.data()),
                         &VGripFactoryLocation::gripMoved);
        canvas.scene()->addItem(grip);
    }
    ~GripStage()
    {
        if (grip && grip->QGraphicsObject::scene())
            canvas.scene()->removeItem(grip);
        delete grip.data();
    }

    QWidget* viewport() const { return canvas.view()->viewport(); }
    QPoint at(const QPointF& scenePoint) const { return canvas.view()->mapFromScene(scenePoint); }
    void mouse(QEvent::Type type, const QPointF& scenePoint)
    {
        const QPoint p = at(scenePoint);
        QCursor::setPos(viewport()->mapToGlobal(p));
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease
                ? Qt::NoButton
                : (type == QEvent::MouseMove ? m_held : Qt::MouseButtons(Qt::LeftButton));
        m_held = held;
        QMouseEvent event(type, QPointF(p), QPointF(viewport()->mapToGlobal(p)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(viewport(), &event);
    }
    // Previews currently shown in the scene.
    int previews() const
    {
        int count = 0;
        for (QGraphicsItem* i : canvas.scene()->items())
            count += qgraphicsitem_cast<VGraphicsItem*>(i) ? 1 : 0;
        return count;
    }

    VCanvas canvas;
    ProbeItem* item = nullptr;
    QSharedPointer<VGripFactoryAbstract> factory;
    QPointer<VGrip> grip;

private:
    Qt::MouseButtons m_held;
};

QList<int> statuses(const QSignalSpy& spy)
{
    QList<int> result;
    for (const QList<QVariant>& args : spy)
        result.append(args.first().value<VV::enumGripDragStatus>());
    return result;
}

} // namespace

class tst_VGrip : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pressAndReleaseWithoutMoving();
    void everyMoveShowsAFreshPreview();
    void dragsStayInsideTheVisibleRect();
    void lineConstraint_data();
    void lineConstraint();
    void constantScreenSize_data();
    void constantScreenSize();
    void removingMidDragAppliesTheDrag();
    void stockGlyphs();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGrip::initTestCase()
{
    qRegisterMetaType<VV::enumGripDragStatus>();
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/grip.ini"));
}

void tst_VGrip::pressAndReleaseWithoutMoving()
{
    GripStage stage;
    QSignalSpy status(stage.grip.data(), &VGrip::dragStatusChanged);
    QSignalSpy moved(stage.grip.data(), &VGrip::moved);
    QSignalSpy started(stage.factory.data(), &VGripFactoryAbstract::dragStarted);
    QSignalSpy ended(stage.factory.data(), &VGripFactoryAbstract::dragEnded);
    const QTransform before = stage.item->transform();
    stage.mouse(QEvent::MouseMove, QPointF(100, 100));
    stage.mouse(QEvent::MouseButtonPress, QPointF(100, 100));
    QCOMPARE(stage.grip->dragStatus(), VV::GripPressed);
    stage.mouse(QEvent::MouseButtonRelease, QPointF(100, 100));
    QCOMPARE(statuses(status), (QList<int>{VV::GripPressed, VV::GripReleased, VV::GripIdle}));
    QCOMPARE(moved.count(), 0);
    QCOMPARE(started.count(), 1);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(stage.item->transform(), before);
}

void tst_VGrip::everyMoveShowsAFreshPreview()
{
    GripStage stage;
    QList<QPointer<VGraphicsItem>> previews;
    QList<int> shown;
    QObject::connect(stage.grip.data(), &VGrip::moved, [&](VGrip*, VGraphicsItem* moving) {
        if (moving == stage.item)
            return;
        previews.append(moving);
        shown.append(stage.previews());
        QVERIFY(!moving->isPersistent());
        QCOMPARE(moving->opacity(), stage.item->opacity() * 0.5);
        // Each preview starts from the unchanged item and carries the whole drag so far.
        QVERIFY((moving->center() - stage.item->center() - stage.grip->offset()).length() < 1e-4f);
    });
    QSignalSpy moved(stage.grip.data(), &VGrip::moved);
    stage.mouse(QEvent::MouseMove, QPointF(100, 100));
    stage.mouse(QEvent::MouseButtonPress, QPointF(100, 100));
    stage.mouse(QEvent::MouseMove, QPointF(110, 100));
    stage.mouse(QEvent::MouseMove, QPointF(120, 105));
    stage.mouse(QEvent::MouseMove, QPointF(130, 110));
    QCOMPARE(stage.grip->dragStatus(), VV::GripDragging);
    QCOMPARE(stage.grip->offset(), QVector3D(30, 10, 0));
    stage.mouse(QEvent::MouseButtonRelease, QPointF(130, 110));

    QCOMPARE(previews.size(), 3);
    QCOMPARE(shown, (QList<int>{1, 1, 1}));
    for (const QPointer<VGraphicsItem>& preview : previews)
        QVERIFY(!preview);
    QCOMPARE(moved.count(), 4);
    QCOMPARE(moved.last().at(1).value<VGraphicsItem*>(), stage.item);
    QCOMPARE(stage.previews(), 0);
    // The drag reached the item once.
    QCOMPARE(stage.item->center(), QVector3D(130, 110, 0));
}

void tst_VGrip::dragsStayInsideTheVisibleRect()
{
    GripStage stage;
    const QRectF visible = stage.canvas.scene()->visibleRect();
    stage.mouse(QEvent::MouseMove, QPointF(100, 100));
    stage.mouse(QEvent::MouseButtonPress, QPointF(100, 100));
    // Far beyond the left edge of what the view shows.
    stage.grip->setPos(QPointF(visible.left() - 500, 150));
    QCOMPARE(stage.grip->pos(), QPointF(visible.left(), 150));
    QCOMPARE(stage.grip->offset(), QVector3D(float(visible.left() - 100), 50, 0));
    stage.grip->setPos(QPointF(120, visible.bottom() + 80));
    QCOMPARE(stage.grip->pos(), QPointF(120, visible.bottom()));
    stage.mouse(QEvent::MouseButtonRelease, QPointF(120, 100));
}

void tst_VGrip::lineConstraint_data()
{
    QTest::addColumn<QVector3D>("direction");
    QTest::addColumn<QVector3D>("offset");
    QTest::addColumn<QVector2D>("expected");
    QTest::newRow("up") << QVector3D(0, -1, 0) << QVector3D(5, -7, 0) << QVector2D(0, -7);
    QTest::newRow("not normalised")
        << QVector3D(0, 10, 3) << QVector3D(5, -7, 2) << QVector2D(0, -7);
    QTest::newRow("diagonal") << QVector3D(1, 1, 0) << QVector3D(4, 0, 0) << QVector2D(2, 2);
    QTest::newRow("across") << QVector3D(1, 0, 0) << QVector3D(0, 9, 0) << QVector2D(0, 0);
}

void tst_VGrip::lineConstraint()
{
    QFETCH(QVector3D, direction);
    QFETCH(QVector3D, offset);
    QFETCH(QVector2D, expected);
    const QVector2D filtered = VGripConstraintLine(direction).filtered(offset);
    QVERIFY((filtered - expected).length() < 1e-5f);

    // A constrained grip follows the mouse, but its offset does not.
    GripStage stage;
    stage.grip->setConstraint(new VGripConstraintLine(direction));
    stage.mouse(QEvent::MouseMove, QPointF(100, 100));
    stage.mouse(QEvent::MouseButtonPress, QPointF(100, 100));
    stage.mouse(QEvent::MouseMove, QPointF(100 + offset.x(), 100 + offset.y()));
    QVERIFY((stage.grip->offset() - QVector3D(expected, 0)).length() < 1e-4f);
    QCOMPARE(stage.grip->pos(), QPointF(100 + offset.x(), 100 + offset.y()));
    stage.mouse(QEvent::MouseButtonRelease, QPointF(100 + offset.x(), 100 + offset.y()));
}

void tst_VGrip::constantScreenSize_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("1") << 1.0 << QRectF(-6, -6, 12, 12);
    QTest::newRow("2") << 2.0 << QRectF(-3, -3, 6, 6);
    QTest::newRow("4") << 4.0 << QRectF(-1.5, -1.5, 3, 3);
}

void tst_VGrip::constantScreenSize()
{
    QFETCH(double, scale);
    QFETCH(QRectF, expected);
    GripStage stage;
    stage.canvas.view()->setScale(scale);
    QCOMPARE(stage.grip->boundingRect(), expected);
    // Without a view nothing is compensated.
    VGrip loose(stage.item);
    QCOMPARE(loose.boundingRect(), QRectF(-6, -6, 12, 12));
}

void tst_VGrip::removingMidDragAppliesTheDrag()
{
    GripStage stage;
    QSignalSpy ended(stage.factory.data(), &VGripFactoryAbstract::dragEnded);
    stage.mouse(QEvent::MouseMove, QPointF(100, 100));
    QVERIFY(stage.canvas.scene()->cursor()->isBinded());
    stage.mouse(QEvent::MouseButtonPress, QPointF(100, 100));
    stage.mouse(QEvent::MouseMove, QPointF(140, 90));
    QCOMPARE(stage.previews(), 1);

    stage.canvas.scene()->removeItem(stage.grip);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(stage.previews(), 0);
    QCOMPARE(stage.item->center(), QVector3D(140, 90, 0));
    QCOMPARE(stage.grip->dragStatus(), VV::GripIdle);
    QVERIFY(!stage.canvas.scene()->cursor()->isBinded());
}

void tst_VGrip::stockGlyphs()
{
    const VGripGlyph* glyphs = VGripGlyph::get();
    QCOMPARE(glyphs, VGripGlyph::get());
    QCOMPARE(glyphs->getStockGlyph(VGripGlyph::GlyphSquare).boundingRect(), QRectF(-3, -3, 6, 6));
    QCOMPARE(glyphs->getStockGlyph(VGripGlyph::GlyphBar).boundingRect(), QRectF(-2, -4, 4, 8));
    QCOMPARE(glyphs->getStockGlyph(VGripGlyph::GlyphArrow).boundingRect(), QRectF(-3, -5, 9, 10));
    QCOMPARE(glyphs->getStockGlyph(VGripGlyph::GlyphCircle).boundingRect(), QRectF(-3, -3, 6, 6));
    QVERIFY(glyphs->getStockGlyph(VGripGlyph::enumGlyph(9)) ==
            glyphs->getStockGlyph(VGripGlyph::GlyphSquare));
}

TALVIK_TEST_MAIN(tst_VGrip)
#include "tst_VGrip.moc"
