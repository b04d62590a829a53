// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikGripStage.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsLayer.h"
#include "interaction/VGripFactoryAbstract.h"
#include "widgets/VWidgetTools.h"

#include <QPointer>

using TalvikTest::GripStage;

namespace {

VGraphicsItemRectangle* box(const QRectF& r)
{
    auto* item = new VGraphicsItemRectangle;
    item->setPoint1(QVector3D(r.topLeft()));
    item->setPoint2(QVector3D(r.bottomRight()));
    return item;
}

QList<QPointer<VGrip>> guarded(const QList<VGrip*>& grips)
{
    return QList<QPointer<VGrip>>(grips.begin(), grips.end());
}

bool allGone(const QList<QPointer<VGrip>>& grips)
{
    return std::all_of(grips.begin(), grips.end(), [](const QPointer<VGrip>& g) { return !g; });
}

int gripsInScene(const VGraphicsScene* scene)
{
    int count = 0;
    for (QGraphicsItem* item : scene->items())
        count += item->type() == VGrip::Type ? 1 : 0;
    return count;
}

} // namespace

class tst_VGripManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void selectionChangesKeepUntouchedGrips();
    void removedItemsLoseTheirGrips();
    void gripsAreRebuiltAfterTheRelease();
    void dragHidesThePanels();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VGripManager::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/manager.ini"));
}

void tst_VGripManager::selectionChangesKeepUntouchedGrips()
{
    GripStage stage;
    VGraphicsScene* scene = stage.scene();
    VGraphicsItemRectangle* a = box(QRectF(20, 20, 60, 40));
    VGraphicsItemRectangle* b = box(QRectF(120, 20, 60, 40));
    VGraphicsItemRectangle* c = box(QRectF(220, 20, 60, 40));
    scene->addPersistenItem(a, true);
    scene->addPersistenItem(b, true);
    // A new item is selected alone; both are wanted here.
    a->setSelected(true);
    scene->addPersistenItem(c, false);
    VGraphicsLayer other(scene);
    VGraphicsItemRectangle* d = box(QRectF(20, 200, 60, 40));
    other.addItem(d);
    d->setSelected(true);
    const QList<VGrip*> gripsOfB = stage.grips(b);
    const QList<VGrip*> gripsOfD = stage.grips(d);
    const QList<QPointer<VGrip>> gripsOfA = guarded(stage.grips(a));
    QCOMPARE(gripsOfA.size(), 9);
    QCOMPARE(gripsOfD.size(), 9);

    scene->gripManager().createGrips(scene->activeLayer(), {b, c});
    QVERIFY(allGone(gripsOfA));
    QVERIFY(!scene->gripManager().hasGrips(a));
    QCOMPARE(stage.grips(b), gripsOfB);
    QCOMPARE(stage.grips(c).size(), 9);
    QCOMPARE(stage.grips(d), gripsOfD);
    QCOMPARE(gripsInScene(scene), 27);

    // The same through the layers' own selection; a repeated item gets one set of grips.
    a->setSelected(false);
    QVERIFY(!scene->gripManager().hasGrips(c));
    a->setSelected(true);
    QCOMPARE(stage.grips(a).size(), 9);
    QCOMPARE(stage.grips(b), gripsOfB);
    QCOMPARE(stage.grips(d), gripsOfD);
    scene->gripManager().createGrips(scene->activeLayer(), {a, b, c, c});
    QCOMPARE(gripsInScene(scene), 36);
    d->setSelected(false);
    QCOMPARE(gripsInScene(scene), 27);
}

void tst_VGripManager::removedItemsLoseTheirGrips()
{
    GripStage stage;
    VGraphicsItemRectangle* item = box(QRectF(50, 50, 100, 50));
    stage.scene()->addPersistenItem(item, true);
    const QList<QPointer<VGrip>> grips = guarded(stage.grips(item));
    QCOMPARE(grips.size(), 9);
    const QPointer<VGraphicsItem> alive(item);
    stage.scene()->removePersistenItem(item);
    QVERIFY(allGone(grips));
    QVERIFY(!stage.scene()->gripManager().hasGrips(item));
    // Kept by the undo history until its step goes.
    stage.scene()->history().clear();
    QTRY_VERIFY(!alive);
    // The manager must hold nothing of the deleted item when the selection changes again.
    VGraphicsItemRectangle* next = box(QRectF(200, 50, 100, 50));
    stage.scene()->addPersistenItem(next, true);
    QCOMPARE(gripsInScene(stage.scene()), 9);

    // A layer that goes takes its items' grips along.
    auto* other = new VGraphicsLayer(stage.scene());
    VGraphicsItemRectangle* elsewhere = box(QRectF(50, 200, 100, 50));
    other->addItem(elsewhere);
    elsewhere->setSelected(true);
    QCOMPARE(gripsInScene(stage.scene()), 18);
    delete other;
    QCOMPARE(gripsInScene(stage.scene()), 9);
    next->setSelected(false);
    QCOMPARE(gripsInScene(stage.scene()), 0);
}

void tst_VGripManager::gripsAreRebuiltAfterTheRelease()
{
    GripStage stage;
    VGraphicsItemRectangle* item = box(QRectF(60, 80, 100, 50));
    stage.scene()->addPersistenItem(item, true);
    const QList<QPointer<VGrip>> before = guarded(stage.grips(item));
    QPointer<VGrip> mover = before.last();
    stage.drag(mover, QPointF(40, 33));
    // The release has returned; the grips still stand where the drag began.
    QVERIFY(mover);
    QCOMPARE(stage.grips(item).size(), 9);
    QTRY_VERIFY(allGone(before));
    const QList<VGrip*> after = stage.grips(item);
    QCOMPARE(after.size(), 9);
    QCOMPARE(gripsInScene(stage.scene()), 9);
    QCOMPARE(after.last()->basePoint(), QVector3D(150, 138, 0));
    QCOMPARE(after.first()->basePoint(), QVector3D(100, 113, 0));
}

void tst_VGripManager::dragHidesThePanels()
{
    GripStage stage;
    VWidgetTools* tools = stage.canvas.creatWidgetTools();
    tools->show(false);
    VGraphicsItemRectangle* first = box(QRectF(60, 80, 100, 50));
    VGraphicsItemRectangle* second = box(QRectF(260, 80, 100, 50));
    stage.scene()->addPersistenItem(first, true);
    stage.scene()->addPersistenItem(second, true);
    // A new item is selected alone; both are wanted here.
    first->setSelected(true);
    const QPoint from = stage.at(stage.grips(first).at(3)->scenePos());
    stage.hover(stage.grips(first).at(3)->scenePos());
    stage.mouse.press(from);
    QVERIFY(stage.scene()->isDragging());
    QVERIFY(!tools->isVisible());
    stage.mouse.move(from + QPoint(30, 0));
    stage.mouse.release(from + QPoint(30, 0));
    QVERIFY(!stage.scene()->isDragging());
    QVERIFY(tools->isVisible());

    // Every item's factories report to the scene, which counts overlapping drags.
    VGripFactoryAbstract* a = stage.grips(first).first()->factory();
    VGripFactoryAbstract* b = stage.grips(second).first()->factory();
    emit a->dragStarted();
    emit b->dragStarted();
    emit a->dragEnded();
    QVERIFY(!tools->isVisible());
    emit b->dragEnded();
    QVERIFY(tools->isVisible());
}

TALVIK_TEST_MAIN(tst_VGripManager)
#include "tst_VGripManager.moc"
