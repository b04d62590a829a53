// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Moving one item of a large document: the view's background cache must make a frame much
// cheaper than redrawing the whole viewport. Drawing a long freehand stroke and moving an
// obfuscation over a picture must keep every step within a frame, and the obfuscation's cost
// must not follow the size of the picture.
#include "TalvikBench.h"
#include "TalvikBenchPaint.h"

#include "graphics/VGraphicsBackgroundImage.h"
#include "graphics/VGraphicsItemObfuscate.h"
#include "graphics/VGraphicsItemPen.h"
#include "graphics/VGraphicsItemRectangle.h"
#include "graphics/VGraphicsScene.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>
#include <QPainter>
#include <QRandomGenerator>

#include <QtMath>

#include <cstdio>
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

constexpr int kStrokePoints = 10000;
// A frame at 60 Hz.
constexpr double kFrameMicroseconds = 1e6 / 60;

// A captured picture of the given size with an obfuscation moved back and forth over it.
struct Obscured
{
    Obscured(int width, int height)
    {
        canvas.setRulerVisible(false);
        canvas.resize(1920, 1080);
        canvas.setCanvasSize(width, height);
        auto* picture = new VGraphicsItemRectangle;
        picture->setBoundary(QRectF(0, 0, width, height));
        picture->setFillImage(TalvikBench::noisePicture(width, height, 5));
        picture->setStrokeWidth(0);
        canvas.scene()->addPersistenItem(picture, false);
        obfuscate = new VGraphicsItemObfuscate;
        obfuscate->setBoundary(QRectF(500, 300, 320, 200));
        canvas.scene()->addPersistenItem(obfuscate, false);
        canvas.view()->viewport()->installEventFilter(&counter);
        canvas.show();
        canvas.view()->centerOn(obfuscate);
        counter.settle();
    }

    void step()
    {
        m_bForward = !m_bForward;
        const float d = m_bForward ? 9 : -9;
        obfuscate->setTranslation(QVector3D(d, d / 2, 0), true);
        counter.settle();
    }

    VCanvas canvas;
    VGraphicsItemObfuscate* obfuscate = nullptr;
    PaintCounter counter;

private:
    bool m_bForward = false;
};

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

// One pointer step of a freehand stroke being drawn, over the whole stroke.
void BM_PenStroke(benchmark::State& state)
{
    VGraphicsScene* scene = g_document->canvas.scene();
    auto pen = std::make_unique<VGraphicsItemPen>();
    scene->addActiveItem(pen.get());
    const int before = g_document->counter.paints;
    int i = 0;
    for (auto _ : state) {
        // A wavy scribble in rows across the view, back and forth, a pixel or two per step as a
        // hand moves: every step is a visible change.
        const int row = i / 1000;
        const double u = 1.2 * (i % 1000);
        const double x = row % 2 == 0 ? 100 + u : 1300 - u;
        const double y = 150 + 40 * row + 12 * qSin(i / 15.0);
        ++i;
        pen->addPoint(QVector3D(float(x), float(y), 0));
        g_document->settle();
    }
    countPaints(state, before);
    state.counters["kept points"] = pen->pointCount();
    scene->removeActiveItem(pen.get());
}

void BM_ObfuscateMove(benchmark::State& state, Obscured* obscured)
{
    const int before = obscured->counter.paints;
    for (auto _ : state)
        obscured->step();
    state.counters["paints/frame"] =
        benchmark::Counter(double(obscured->counter.paints - before) / double(state.iterations()));
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
    benchmark::RegisterBenchmark("PenStroke", BM_PenStroke)
        ->Iterations(kStrokePoints)
        ->Unit(benchmark::kMicrosecond);
    Obscured picture4K(3840, 2160);
    Obscured pictureHD(1920, 1080);
    benchmark::RegisterBenchmark("ObfuscateMove/4K", BM_ObfuscateMove, &picture4K)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ObfuscateMove/HD", BM_ObfuscateMove, &pictureHD)
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.printRatio("full update / cached frame", "MoveItem/fullUpdate",
                                         "MoveItem/cached", 5);
    const double stroke = reporter.time("PenStroke/iterations:" + std::to_string(kStrokePoints));
    const bool smooth = stroke > 0 && stroke < kFrameMicroseconds;
    std::printf("step of a %d-point stroke: %.0f us (under a frame of %.0f us: %s)\n",
                kStrokePoints, stroke, kFrameMicroseconds, smooth ? "yes" : "NO");
    const bool flat = reporter.printRatioBelow("obfuscation moved over 4K / over HD",
                                               "ObfuscateMove/4K", "ObfuscateMove/HD", 2);
    g_document.reset();
    return met && smooth && flat ? 0 : 1;
}
