// The capture overlay on a 4K screen: a picker's drag step and a window highlight moving from
// one window to the next must repaint only what changed, over the dimmed picture kept in the
// view's background cache, never the whole screen.
#include "TalvikBench.h"
#include "TalvikBenchPaint.h"

#include "graphics/VGraphicsBackgroundImage.h"
#include "graphics/VGraphicsScene.h"
#include "overlay/VGraphicsItemRectangleWindow.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>
#include <QPainter>

#include <memory>

namespace {

using TalvikBench::PaintCounter;

struct Overlay
{
    Overlay() : screen(TalvikBench::noisePicture(3840, 2160, 5))
    {
        QPixmap dimmed = screen;
        QPainter painter(&dimmed);
        painter.setOpacity(0.6);
        painter.fillRect(dimmed.rect(), Qt::black);
        painter.end();
        canvas.setRulerVisible(false);
        canvas.resize(3840, 2160);
        canvas.setCanvasSize(3840, 2160);
        canvas.scene()->setBackground(new VGraphicsBackgroundImage(dimmed));
        // The picker's sample: the bright piece of the screen under the pointer.
        sample->setFillImage(screen);
        sample->setPoint1(QVector3D(1000, 600, 0));
        sample->setPoint2(QVector3D(1400, 900, 0));
        canvas.scene()->addActiveItem(sample);
        canvas.view()->viewport()->installEventFilter(&counter);
        canvas.show();
        settle();
    }

    void settle() { counter.settle(); }

    // One mouse move of a rectangle drag.
    void dragStep()
    {
        m_bForward = !m_bForward;
        sample->setPoint2(QVector3D(m_bForward ? 1408 : 1400, m_bForward ? 905 : 900, 0));
    }

    // The pointer crosses from one window to its neighbour.
    void highlightStep()
    {
        m_bForward = !m_bForward;
        sample->setBoundary(m_bForward ? QRectF(1000, 600, 640, 480) : QRectF(1660, 600, 500, 420));
    }

    QPixmap screen;
    VCanvas canvas;
    VGraphicsItemRectangleWindow* sample = new VGraphicsItemRectangleWindow;
    PaintCounter counter;

private:
    bool m_bForward = false;
};

std::unique_ptr<Overlay> g_overlay;

template <void (Overlay::*step)()>
void BM_Step(benchmark::State& state)
{
    const int before = g_overlay->counter.paints;
    for (auto _ : state) {
        (g_overlay.get()->*step)();
        g_overlay->settle();
    }
    state.counters["paints/frame"] =
        benchmark::Counter(double(g_overlay->counter.paints - before) / double(state.iterations()));
}

void BM_FullUpdate(benchmark::State& state)
{
    QGraphicsView* view = g_overlay->canvas.view();
    for (auto _ : state) {
        g_overlay->dragStep();
        view->resetCachedContent();
        view->viewport()->update();
        g_overlay->settle();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    TalvikBench::preferOffscreen();
    QApplication app(argc, argv);
    g_overlay = std::make_unique<Overlay>();
    benchmark::RegisterBenchmark("Overlay/dragStep", BM_Step<&Overlay::dragStep>)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Overlay/highlightStep", BM_Step<&Overlay::highlightStep>)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Overlay/fullUpdate", BM_FullUpdate)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool drag = reporter.printRatio("full update / picker drag step", "Overlay/fullUpdate",
                                          "Overlay/dragStep", 5);
    const bool highlight = reporter.printRatio("full update / window highlight change",
                                               "Overlay/fullUpdate", "Overlay/highlightStep", 5);
    g_overlay.reset();
    return drag && highlight ? 0 : 1;
}
