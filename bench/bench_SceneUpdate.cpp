// Moving one item of a large document: the view's background cache must make a frame much
// cheaper than redrawing the whole viewport.
#include "TalvikBench.h"
#include "TalvikBenchPaint.h"

#include "graphics/VGraphicsBackgroundImage.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <memory>

namespace {

using TalvikBench::PaintCounter;

struct Document
{
    Document()
    {
        canvas.setRulerVisible(false);
        canvas.resize(1920, 1080);
        canvas.setCanvasSize(3840, 2160);
        canvas.scene()->setBackground(
            new VGraphicsBackgroundImage(TalvikBench::noisePicture(3840, 2160, 7)));
        QRandomGenerator random(11);
        for (int i = 0; i < 200; ++i) {
            auto* item = new VGraphicsItemRectangle;
            const QPointF origin(random.bounded(3700), random.bounded(2050));
            item->setPoint1(QVector3D(origin));
            item->setPoint2(
                QVector3D(origin + QPointF(40 + random.bounded(100), 30 + random.bounded(80))));
            item->setStrokeWidth(3);
            canvas.scene()->addPersistenItem(item, false);
            if (i == 0)
                moving = item;
        }
        moving->setCenter(QVector3D(400, 300, 0));
        canvas.view()->viewport()->installEventFilter(&counter);
        canvas.show();
        canvas.view()->centerOn(moving);
        settle();
    }

    void settle() { counter.settle(); }

    void step()
    {
        m_bForward = !m_bForward;
        // Back and forth, so the item stays in view however long the benchmark runs.
        const float d = m_bForward ? 7 : -7;
        moving->setTranslation(QVector3D(d, d / 2, 0), true);
    }

    VCanvas canvas;
    VGraphicsItemRectangle* moving = nullptr;
    PaintCounter counter;

private:
    bool m_bForward = false;
};

std::unique_ptr<Document> g_document;

// Frames that really reached the screen, so a path that paints nothing cannot look fast.
void countPaints(benchmark::State& state, int before)
{
    state.counters["paints/frame"] = benchmark::Counter(
        double(g_document->counter.paints - before) / double(state.iterations()));
}

void BM_MoveItemCached(benchmark::State& state)
{
    const int before = g_document->counter.paints;
    for (auto _ : state) {
        g_document->step();
        g_document->settle();
    }
    countPaints(state, before);
}

void BM_MoveItemFullUpdate(benchmark::State& state)
{
    QGraphicsView* view = g_document->canvas.view();
    const int before = g_document->counter.paints;
    for (auto _ : state) {
        g_document->step();
        view->resetCachedContent();
        view->viewport()->update();
        g_document->settle();
    }
    countPaints(state, before);
}

} // namespace

int main(int argc, char* argv[])
{
    TalvikBench::preferOffscreen();
    QApplication app(argc, argv);
    g_document = std::make_unique<Document>();
    benchmark::RegisterBenchmark("MoveItem/cached", BM_MoveItemCached)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("MoveItem/fullUpdate", BM_MoveItemFullUpdate)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.printRatio("full update / cached frame", "MoveItem/fullUpdate",
                                         "MoveItem/cached", 5);
    g_document.reset();
    return met ? 0 : 1;
}
