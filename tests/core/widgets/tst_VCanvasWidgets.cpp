// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikProbeItem.h"
#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptRectangle.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VHelpBalloon.h"
#include "widgets/VWidgetQuickEditor.h"
#include "widgets/VWidgetTools.h"

#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

using TalvikTest::ProbeItem;

namespace {

ProbeItem* box(const QRectF& rect)
{
    auto* item = new ProbeItem;
    item->setRect(rect);
    return item;
}

// The scene's drag bookkeeping, as the grip factories reach it.
void dragStarted(VGraphicsScene* scene)
{
    QVERIFY(QMetaObject::invokeMethod(scene, "onGripDragStarted"));
}

void dragEnded(VGraphicsScene* scene)
{
    QVERIFY(QMetaObject::invokeMethod(scene, "onGripDragEnded"));
}

} // namespace

class tst_VCanvasWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void quickEditorFollowsASingleSelection();
    void quickEditorFollowsZoom();
    void toolPanelsBelongToTheCanvas();
    void balloonShowsItsNote();
    void gripDragsHideTheFloatingWidgets();
    void drawnPointerStaysOffThePanels();

private:
    std::unique_ptr<TalvikTest::IniConfig> m_config;
};

void tst_VCanvasWidgets::initTestCase()
{
    m_config = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                       QStringLiteral("/canvas-widgets.ini"));
}

void tst_VCanvasWidgets::quickEditorFollowsASingleSelection()
{
    VCanvas canvas;
    canvas.resize(800, 600);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    ProbeItem* a = box(QRectF(100, 100, 80, 40));
    ProbeItem* b = box(QRectF(300, 100, 80, 40));
    canvas.scene()->addPersistenItem(a, false);
    canvas.scene()->addPersistenItem(b, false);

    a->setSelected(true);
    QCOMPARE(canvas.quickEditor()->item(), a);
    QVERIFY(canvas.quickEditor()->isVisible());

    b->setSelected(true);
    QVERIFY(!canvas.quickEditor()->item());
    QVERIFY(!canvas.quickEditor()->isVisible());
    // The end of a drag does not bring it back beside an item that is no longer alone.
    canvas.quickEditor()->updatePosition();
    QVERIFY(!canvas.quickEditor()->isVisible());

    a->setSelected(false);
    QCOMPARE(canvas.quickEditor()->item(), b);
}

void tst_VCanvasWidgets::quickEditorFollowsZoom()
{
    VCanvas canvas;
    canvas.resize(800, 600);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    ProbeItem* item = box(QRectF(200, 150, 60, 40));
    canvas.scene()->addPersistenItem(item, true);
    QWidget* editor = canvas.quickEditor();
    auto besideItem = [&] {
        const QPoint corner = canvas.mapFromScene(item->sceneBoundary().topRight());
        return editor->geometry().left() >= corner.x() &&
               editor->geometry().left() <= corner.x() + 10 &&
               qAbs(editor->geometry().top() - corner.y()) <= 1;
    };
    QVERIFY(besideItem());
    const QPoint before = editor->pos();
    QWidget* viewport = canvas.view()->viewport();
    const QPoint at = viewport->rect().center();
    QWheelEvent wheel(QPointF(at), QPointF(viewport->mapToGlobal(at)), QPoint(), QPoint(0, 240),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &wheel);
    QVERIFY(qFuzzyCompare(canvas.view()->scale(), 1.4));
    QVERIFY(editor->pos() != before);
    QVERIFY(besideItem());
}

void tst_VCanvasWidgets::toolPanelsBelongToTheCanvas()
{
    VCanvas canvas;
    QVERIFY(canvas.toolWidgets().isEmpty());
    VWidgetTools* first = canvas.creatWidgetTools();
    VWidgetTools* second = canvas.creatWidgetTools();
    QCOMPARE(canvas.toolWidgets(), (QList<VWidgetTools*>{first, second}));
    QCOMPARE(first->parentWidget(), &canvas);
    QCOMPARE(first->canvas(), &canvas);
}

void tst_VCanvasWidgets::balloonShowsItsNote()
{
    VCanvas canvas;
    canvas.resize(800, 600);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    canvas.showBalloon(QStringLiteral("How To Draw Rectangle"), QStringLiteral("Drag."),
                       Qt::AlignRight | Qt::AlignTop);
    QVERIFY(canvas.balloon()->isVisible());
    bool titled = false;
    for (const QLabel* label : canvas.balloon()->findChildren<QLabel*>())
        titled |= label->text().contains(QStringLiteral("How To Draw Rectangle"));
    QVERIFY(titled);
    // In the top right corner.
    QVERIFY(canvas.balloon()->geometry().right() > canvas.width() / 2);
    QVERIFY(canvas.balloon()->geometry().top() < canvas.height() / 2);
}

void tst_VCanvasWidgets::gripDragsHideTheFloatingWidgets()
{
    VCanvas canvas;
    canvas.resize(800, 600);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    VWidgetTools* tools = canvas.creatWidgetTools();
    tools->show(false);
    ProbeItem* item = box(QRectF(100, 100, 80, 40));
    canvas.scene()->addPersistenItem(item, true);
    QVERIFY(canvas.quickEditor()->isVisible());

    dragStarted(canvas.scene());
    // At once, without fading.
    QVERIFY(!tools->isVisible());
    QVERIFY(!canvas.quickEditor()->isVisible());
    QVERIFY(canvas.scene()->isDragging());
    // A second, overlapping drag changes nothing; only the last end brings them back.
    dragStarted(canvas.scene());
    dragEnded(canvas.scene());
    QVERIFY(!tools->isVisible());
    QVERIFY(!canvas.quickEditor()->isVisible());
    dragEnded(canvas.scene());
    QVERIFY(!canvas.scene()->isDragging());
    QVERIFY(tools->isVisible());
    QVERIFY(canvas.quickEditor()->isVisible());
    // More ends than starts are ignored.
    dragEnded(canvas.scene());
    QVERIFY(tools->isVisible());
}

// A panel lets the picture show through, but not the drawn cross: the cross is cut at the
// panel, and it goes when the pointer leaves the view for the panel.
void tst_VCanvasWidgets::drawnPointerStaysOffThePanels()
{
    VCanvas canvas;
    canvas.resize(700, 600);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    VWidgetTools* tools = canvas.creatWidgetTools();
    QPixmap icon(20, 20);
    icon.fill(Qt::darkGray);
    tools->addTool(QIcon(icon), QStringLiteral("Tool"), nullptr, nullptr, QKeySequence());
    tools->move(100, 100);
    tools->show(false);
    const QRect panel = tools->geometry();
    const QRect below(panel.bottomLeft() + QPoint(0, 1), QSize(panel.width(), 40));
    const auto shown = [&canvas](const QRect& r) {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
        return canvas.screen()->grabWindow(canvas.winId()).toImage().copy(r);
    };
    const QImage panelBefore = shown(panel);
    const QImage belowBefore = shown(below);

    (new VCreatePromptRectangle)->start(&canvas);
    QWidget* viewport = canvas.view()->viewport();
    // The cross reaches 20 pixels up, into the panel.
    const QPoint at = viewport->mapFrom(&canvas, below.topLeft() + QPoint(30, 8));
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(viewport->mapToGlobal(at)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &move);
    QTRY_VERIFY(shown(below) != belowBefore);
    QCOMPARE(shown(panel), panelBefore);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(viewport, &leave);
    QTRY_COMPARE(shown(below), belowBefore);
}

TALVIK_TEST_MAIN(tst_VCanvasWidgets)
#include "tst_VCanvasWidgets.moc"
