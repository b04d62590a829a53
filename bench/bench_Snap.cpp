// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Snapping runs on every mouse move: one lookup must stay logarithmic in the number of items.
#include "TalvikBench.h"

#include "graphics/VGraphicsItemRectangle.h"
#include "interaction/VGraphicsSnapSystem.h"

#include <QApplication>
#include <QRandomGenerator>

#include <memory>
#include <vector>

namespace {

struct SnapDocument
{
    explicit SnapDocument(int count) : system(nullptr)
    {
        QRandomGenerator random(3);
        for (int i = 0; i < count; ++i) {
            auto item = std::make_unique<VGraphicsItemRectangle>();
            const QPointF origin(random.bounded(100000.0), random.bounded(100000.0));
            item->setPoint1(QVector3D(origin));
            item->setPoint2(QVector3D(
                origin + QPointF(20 + random.bounded(200.0), 20 + random.bounded(200.0))));
            system.add(item.get());
            items.push_back(std::move(item));
        }
        for (int i = 0; i < 1024; ++i)
            probes.push_back(random.bounded(100000.0));
    }

    std::vector<std::unique_ptr<VGraphicsItemRectangle>> items;
    VGraphicsSnapSystem system;
    std::vector<double> probes;
};

void BM_SnapLookup(benchmark::State& state)
{
    const SnapDocument document(int(state.range(0)));
    size_t next = 0;
    double result = 0;
    for (auto _ : state) {
        const double value = document.probes[next++ & 1023];
        benchmark::DoNotOptimize(
            VGraphicsSnapSystem::snap(document.system.xPoints(), value, 3.0, result));
        benchmark::DoNotOptimize(
            VGraphicsSnapSystem::snap(document.system.yPoints(), value, 3.0, result));
    }
    state.counters["coordinates"] = double(document.system.xPoints().size());
}

} // namespace

int main(int argc, char* argv[])
{
    TalvikBench::preferOffscreen();
    QApplication app(argc, argv);
    for (const int count : {100, 1000, 10000})
        benchmark::RegisterBenchmark(("SnapLookup/" + std::to_string(count)).c_str(), BM_SnapLookup)
            ->Arg(count);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool met = reporter.printRatioBelow("lookup at 10000 / at 1000 items",
                                              "SnapLookup/10000/10000", "SnapLookup/1000/1000", 3);
    return met ? 0 : 1;
}
