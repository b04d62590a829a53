// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The capture overlay on a 4K screen: a picker's drag step and a window highlight moving from
// one window to the next must repaint only what changed, never the whole screen. The overlay
// keeps no background cache (it would be one more picture of the screen): what changed is
// painted again from the one picture, dimmed as it is drawn. In the editing state the pointer's
// cross moved over an obfuscation must stay well within a frame without that cache too; the
// cached frame is measured beside it.
#include "TalvikBench.h"
#include "TalvikBenchPaint.h"

#include "graphics/VGraphicsBackgroundColor.h"
#include "graphics/VGraphicsItemObfuscate.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsScene.h"
#include "interaction/VCursorGraphicsCross.h"
#include "overlay/VGraphicsItemRectangleWindow.h"
#include "overlay/VOverlayBackground.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>

#include <cstdio>
#include <memory>

namespace {

using TalvikBench::PaintCounter;

struct Overlay
{
    Overlay() : screen(TalvikBench::noisePicture(3840, 2160, 5))
    {
        // As the overlay sets up its view.
        canvas.view()->setCacheMode(QGraphicsView::CacheNone);
        canvas.view()->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        canvas.setRulerVisible(false);
        canvas.resize(3840, 2160);
        canvas.setCanvasSize(3840, 2160);
        canvas.scene()->setBackground(new VOverlayBackground(screen));
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

// The editing state: the white page, a captured area of most of the screen, an obfuscation on
// it, and a drawing tool's cross following the pointer across the obfuscation.
struct Editing
{
    explicit Editing(QGraphicsView::CacheMode cache)
    {
        canvas.view()->setCacheMode(cache);
        canvas.view()->viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
        canvas.setRulerVisible(false);
        canvas.resize(3840, 2160);
        canvas.setCanvasSize(3840, 2160);
        canvas.scene()->setBackground(new VGraphicsBackgroundColor(Qt::white));
        auto* pArea = new VGraphicsItemRectangle;
        pArea->setBoundary(QRectF(100, 100, 3000, 1800));
        pArea->setAreaPicture(TalvikBench::noisePicture(3840, 2160, 9));
        canvas.scene()->addPersistenItem(pArea, false);
        auto* pObfuscate = new VGraphicsItemObfuscate;
        pObfuscate->setBoundary(QRectF(500, 300, 800, 600));
        canvas.scene()->addPersistenItem(pObfuscate, false);
        canvas.view()->viewport()->installEventFilter(&counter);
        canvas.show();
        counter.settle();
        VCursor* pCursor = canvas.scene()->cursor();
        pCursor->setGraphics(new VCursorGraphicsCross, false);
        pCursor->setPointerInside(true);
        counter.settle();
    }

    // One move of the pointer, within the obfuscation.
    void step()
    {
        m_nStep = (m_nStep + 1) % 100;
        canvas.scene()->cursor()->updateScenePos(QPointF(600 + 5 * m_nStep, 400 + 3 * m_nStep));
        counter.settle();
    }

    VCanvas canvas;
    PaintCounter counter;

private:
    int m_nStep = 0;
};

void BM_EditingCross(benchmark::State& state, Editing* pEditing)
{
    const int before = pEditing->counter.paints;
    for (auto _ : state)
        pEditing->step();
    state.counters["paints/frame"] =
        benchmark::Counter(double(pEditing->counter.paints - before) / double(state.iterations()));
}

// A frame at 60 Hz.
constexpr double kFrameMicroseconds = 1e6 / 60;

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
    Editing uncached(QGraphicsView::CacheNone);
    Editing cached(QGraphicsView::CacheBackground);
    benchmark::RegisterBenchmark("Overlay/editing/crossOverObfuscation", BM_EditingCross, &uncached)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Overlay/editing/crossOverObfuscationCached", BM_EditingCross,
                                 &cached)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool drag = reporter.printRatio("full update / picker drag step", "Overlay/fullUpdate",
                                          "Overlay/dragStep", 5);
    const bool highlight = reporter.printRatio("full update / window highlight change",
                                               "Overlay/fullUpdate", "Overlay/highlightStep", 5);
    const double cross = reporter.time("Overlay/editing/crossOverObfuscation");
    const bool smooth = cross > 0 && cross < kFrameMicroseconds / 4;
    std::printf("editing, the cross over an obfuscation without a background cache: %.0f us "
                "(under a quarter of a frame, %.0f us: %s)\n",
                cross, kFrameMicroseconds / 4, smooth ? "yes" : "NO");
    const double withCache = reporter.time("Overlay/editing/crossOverObfuscationCached");
    std::printf("the same with a background cache (one more picture of the screen): %.0f us\n",
                withCache);
    g_overlay.reset();
    return drag && highlight && smooth ? 0 : 1;
}
