// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TalvikTest.h"
#include "TalvikTestConfig.h"

#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCursorGraphicsCross.h"
#include "interaction/VEventFilter.h"
#include "widgets/VCanvas.h"
#include "widgets/VCanvasRulerHorizontal.h"
#include "widgets/VCanvasRulerVertical.h"
#include "widgets/VGraphicsView.h"

#include <QGraphicsSceneMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWheelEvent>

#include <memory>

Q_DECLARE_METATYPE(QList<VGraphicsItem*>)

namespace {
// A persistent item with an area: 40 x 30 at its position, taking hover events.
class Box : public VGraphicsItem
{
public:
    explicit Box(const QPointF& at)
    {
        setPos(at);
        setAcceptHoverEvents(true);
    }
    QPainterPath shape() const override
    {
        QPainterPath path;
        path.addRect(0, 0, 40, 30);
        return path;
    }
};

// Follows the pointer with the scene's cursor and a read-out, as a drawing tool does.
class Follower : public VEventFilter
{
    Q_OBJECT

public:
    bool eventFilter(QEvent* event) override
    {
        if (event->type() == QEvent::GraphicsSceneMouseMove) {
            const QPointF p = static_cast<QGraphicsSceneMouseEvent*>(event)->scenePos();
            scene()->cursor()->updateScenePos(p);
            scene()->cursor()->updateText(QStringLiteral("%1, %2").arg(p.x()).arg(p.y()));
        }
        return false;
    }

protected:
    void onStart() override { scene()->cursor()->setGraphics(new VCursorGraphicsCross, true); }
};

// Collects the regions a widget repaints.
class PaintRecorder : public QObject
{
public:
    QList<QRegion> regions;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}
} // namespace

class tst_VCanvas : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TalvikTest::IniConfig> m_pConfig;
    std::unique_ptr<VCanvas> m_pCanvas;

    VGraphicsView* view() const { return m_pCanvas->view(); }
    QWidget* viewport() const { return view()->viewport(); }

    void show()
    {
        m_pCanvas->resize(416, 316);
        m_pCanvas->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_pCanvas.get()));
    }

    void wheel(int delta, Qt::KeyboardModifiers modifiers)
    {
        const QPointF at(100, 100);
        QWheelEvent event(at, viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &event);
    }

private slots:
    void initTestCase()
    {
        qRegisterMetaType<QList<VGraphicsItem*>>();
        m_pConfig = std::make_unique<TalvikTest::IniConfig>(TalvikTest::privateHome().path() +
                                                            QStringLiteral("/canvas.ini"));
    }

    void init() { m_pCanvas = std::make_unique<VCanvas>(); }

    void cleanup()
    {
        m_pCanvas.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void setScale_data()
    {
        QTest::addColumn<double>("from");
        QTest::addColumn<double>("request");
        QTest::addColumn<double>("level");

        QTest::newRow("0") << 1.0 << 0.0 << 0.2;
        QTest::newRow("negative") << 1.0 << -3.0 << 0.2;
        QTest::newRow("0.25") << 1.0 << 0.25 << 0.2;
        QTest::newRow("0.35") << 1.0 << 0.35 << 0.4;
        QTest::newRow("1.09") << 1.0 << 1.09 << 1.0;
        QTest::newRow("1.11") << 1.0 << 1.11 << 1.2;
        QTest::newRow("9.95") << 1.0 << 9.95 << 10.0;
        QTest::newRow("100") << 1.0 << 100.0 << 10.0;
        QTest::newRow("0.35 from 2.6") << 2.6 << 0.35 << 0.4;
        QTest::newRow("7 from 0.2") << 0.2 << 7.0 << 7.0;
    }

    void setScale()
    {
        QFETCH(double, from);
        QFETCH(double, request);
        QFETCH(double, level);
        view()->setScale(from);
        view()->setScale(request);
        QCOMPARE(view()->scale(), level);
        // The view shows the scene at that level, whatever it showed before.
        QCOMPARE(view()->transform().m11(), level);
        QCOMPARE(view()->transform().m22(), level);
        QCOMPARE(m_pCanvas->scene()->scale(), level);
    }

    void ctrlWheel_data()
    {
        QTest::addColumn<QList<int>>("deltas");
        QTest::addColumn<bool>("control");
        QTest::addColumn<double>("scale");

        QTest::newRow("one notch forward") << QList<int>{120} << true << 1.2;
        QTest::newRow("one notch back") << QList<int>{-120} << true << 0.8;
        QTest::newRow("two notches at once") << QList<int>{240} << true << 1.4;
        QTest::newRow("half a notch forward") << QList<int>{60} << true << 1.2;
        QTest::newRow("half a notch back") << QList<int>{-60} << true << 1.0;
        QTest::newRow("a little back") << QList<int>{-59} << true << 1.0;
        QTest::newRow("past the largest level") << QList<int>{120 * 60} << true << 10.0;
        QTest::newRow("past the smallest level") << QList<int>{-120 * 10} << true << 0.2;
        QTest::newRow("forward and back") << QList<int>{120, 120, -120} << true << 1.2;
        QTest::newRow("no Control") << QList<int>{-120} << false << 1.0;
    }

    void ctrlWheel()
    {
        QFETCH(QList<int>, deltas);
        QFETCH(bool, control);
        QFETCH(double, scale);
        m_pCanvas->setCanvasSize(3000, 3000);
        show();
        QScrollBar* bar = view()->verticalScrollBar();
        bar->setValue(bar->maximum() / 2);
        const int before = bar->value();
        for (int delta : deltas)
            wheel(delta, control ? Qt::ControlModifier : Qt::NoModifier);
        QVERIFY(qAbs(view()->scale() - scale) < 1e-9);
        // Without Control the wheel scrolls as usual, backwards notches downwards.
        if (!control)
            QVERIFY(bar->value() > before);
    }

    void mapFromScene_data()
    {
        QTest::addColumn<bool>("rulers");
        QTest::addColumn<int>("frame");
        QTest::newRow("with rulers") << true << 0;
        QTest::newRow("without rulers") << false << 0;
        QTest::newRow("framed view") << true << 5;
    }

    void mapFromScene()
    {
        QFETCH(bool, rulers);
        QFETCH(int, frame);
        m_pCanvas->setRulerVisible(rulers);
        if (frame) {
            view()->setFrameStyle(QFrame::Box | QFrame::Plain);
            view()->setLineWidth(frame);
        }
        show();
        view()->setScale(2.0);
        const QPointF point(120, 80);
        const QPoint expected = viewport()->mapTo(m_pCanvas.get(), view()->mapFromScene(point));
        QCOMPARE(m_pCanvas->mapFromScene(point), expected);
        // The canvas pixel is where the scene point shows.
        QCOMPARE(view()->mapToScene(viewport()->mapFrom(m_pCanvas.get(), expected)), point);
    }

    void rulerVisibility_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::addColumn<bool>("visible");
        QTest::newRow("rulers, shown") << true << true;
        QTest::newRow("no rulers, shown") << true << false;
        QTest::newRow("rulers, not shown yet") << false << true;
        QTest::newRow("no rulers, not shown yet") << false << false;
    }

    void rulerVisibility()
    {
        QFETCH(bool, shown);
        QFETCH(bool, visible);
        if (shown)
            show();
        m_pCanvas->setRulerVisible(visible);
        QCOMPARE(m_pCanvas->isRulerVisible(), visible);
        if (!shown)
            show();
        settle();
        QCOMPARE(m_pCanvas->isRulerVisible(), visible);
        const int t = visible ? VCanvasRuler::Thickness : 0;
        QCOMPARE(view()->geometry(), m_pCanvas->rect().adjusted(t, t, 0, 0));
        auto* horizontal = m_pCanvas->findChild<VCanvasRulerHorizontal*>();
        auto* vertical = m_pCanvas->findChild<VCanvasRulerVertical*>();
        QCOMPARE(horizontal->isVisible(), visible);
        QCOMPARE(vertical->isVisible(), visible);
        if (visible) {
            QCOMPARE(horizontal->geometry(),
                     QRect(t, 0, m_pCanvas->width() - t, VCanvasRuler::Thickness));
            QCOMPARE(vertical->geometry(),
                     QRect(0, t, VCanvasRuler::Thickness, m_pCanvas->height() - t));
        }
    }

    void markersFollowThePointer_data()
    {
        QTest::addColumn<QList<QPoint>>("moves");
        QTest::newRow("one move") << QList<QPoint>{{123, 77}};
        QTest::newRow("several moves") << QList<QPoint>{{10, 20}, {200, 150}, {201, 151}};
        QTest::newRow("zoomed") << QList<QPoint>{{50, 60}, {300, 40}};
    }

    void markersFollowThePointer()
    {
        QFETCH(QList<QPoint>, moves);
        show();
        if (QByteArray(QTest::currentDataTag()) == "zoomed")
            view()->setScale(3.0);
        for (const QPoint& p : moves)
            QTest::mouseMove(viewport(), p);
        auto* horizontal = m_pCanvas->findChild<VCanvasRulerHorizontal*>();
        auto* vertical = m_pCanvas->findChild<VCanvasRulerVertical*>();
        QCOMPARE(horizontal->markerPosition(), moves.last().x());
        QCOMPARE(vertical->markerPosition(), moves.last().y());
    }

    void markerFollowsAReplayedMove()
    {
        show();
        auto* item = new Box(QPointF(100, 100));
        m_pCanvas->scene()->addPersistenItem(item, false);
        QCursor::setPos(viewport()->mapToGlobal(QPoint(210, 130)));
        // A selection change replays a move at the pointer.
        item->setSelected(true);
        QCOMPARE(m_pCanvas->findChild<VCanvasRulerHorizontal*>()->markerPosition(), 210);
        QCOMPARE(m_pCanvas->findChild<VCanvasRulerVertical*>()->markerPosition(), 130);
    }

    void selectionAcrossLayers()
    {
        show();
        VGraphicsScene* scene = m_pCanvas->scene();
        // The scene offers no second layer of its own; one built on it reports to it the same.
        VGraphicsLayer second(scene);
        auto* a1 = new Box(QPointF(10, 10));
        auto* a2 = new Box(QPointF(60, 10));
        auto* b1 = new Box(QPointF(10, 60));
        scene->addPersistenItem(a1, false);
        scene->addPersistenItem(a2, false);
        second.addItem(b1);
        QSignalSpy spy(m_pCanvas.get(), &VCanvas::selectionChanged);
        const auto last = [&spy] { return spy.last().at(0).value<QList<VGraphicsItem*>>(); };

        a1->setSelected(true);
        a2->setSelected(true);
        QList<VGraphicsItem*> items = last();
        QCOMPARE(items.size(), 2);
        QVERIFY(items.contains(a1) && items.contains(a2));

        b1->setSelected(true);
        items = last();
        QCOMPARE(items.size(), 3);
        QVERIFY(items.indexOf(b1) == 2);

        // The first layer reports again, so its items now come after the second's.
        a1->setSelected(false);
        QCOMPARE(last(), (QList<VGraphicsItem*>{b1, a2}));
        QCOMPARE(m_pCanvas->selection(), (QList<VGraphicsItem*>{b1, a2}));

        // A selected item leaving the document leaves the list before it is deleted.
        scene->removePersistenItem(a2);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_pCanvas->selection(), QList<VGraphicsItem*>{b1});
        b1->setSelected(false);
        QCOMPARE(last(), QList<VGraphicsItem*>{});

        // A layer deleted with a selected item takes it out of the list as well.
        auto third = std::make_unique<VGraphicsLayer>(scene);
        auto* c1 = new Box(QPointF(10, 110));
        third->addItem(c1);
        c1->setSelected(true);
        QCOMPARE(m_pCanvas->selection(), QList<VGraphicsItem*>{c1});
        third.reset();
        QCOMPARE(m_pCanvas->selection(), QList<VGraphicsItem*>{});
    }

    void moveNeverRepaintsTheWholeViewport_data()
    {
        QTest::addColumn<bool>("tool");
        QTest::addColumn<double>("scale");
        QTest::newRow("plain") << false << 1.0;
        QTest::newRow("with a drawing tool") << true << 1.0;
        QTest::newRow("with a drawing tool, zoomed") << true << 2.0;
    }

    void moveNeverRepaintsTheWholeViewport()
    {
        QFETCH(bool, tool);
        QFETCH(double, scale);
        show();
        view()->setScale(scale);
        m_pCanvas->scene()->addPersistenItem(new Box(QPointF(100, 100)), false);
        if (tool)
            (new Follower)->start(m_pCanvas.get());
        QTest::mouseMove(viewport(), QPoint(20, 20));
        settle();

        PaintRecorder recorder;
        viewport()->installEventFilter(&recorder);
        // Across the item (hover enter and leave) and along the view.
        for (int x = 30; x < 300; x += 15) {
            QTest::mouseMove(viewport(), QPoint(x, x / 2 + 40));
            settle();
        }
        viewport()->removeEventFilter(&recorder);
        if (tool)
            QVERIFY(!recorder.regions.isEmpty());
        const QRect whole = viewport()->rect();
        for (const QRegion& region : std::as_const(recorder.regions)) {
            const QRect r = region.boundingRect();
            QVERIFY2(r.width() * r.height() < whole.width() * whole.height() / 4,
                     qPrintable(QStringLiteral("repainted %1 x %2 at (%3, %4)")
                                    .arg(r.width())
                                    .arg(r.height())
                                    .arg(r.x())
                                    .arg(r.y())));
        }
    }
};

TALVIK_TEST_MAIN(tst_VCanvas)
#include "tst_VCanvas.moc"
