// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A scroll step on 4K frames: the overlap search against the plain one that tries every candidate
// (a normal scroll, blank gaps that let many candidates match far, a blinking caret that needs
// the similarity levels), and the other costs of a step: fingerprinting a frame, joining strips.
#include "TalvikBench.h"
#include "TalvikOverlapReference.h"

#include "scrolling/VOverlapSearch.h"
#include "scrolling/VRowImage.h"
#include "scrolling/VStripCollector.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <tuple>
#include <vector>

namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;
constexpr int kStep = 720; // three wheel notches on a 4K screen
constexpr int kStrips = 30;

void noiseRow(QRgb* pLine, int from, int to, QRandomGenerator& random)
{
    for (int x = from; x < to; ++x)
        pLine[x] = random.generate() | 0xff000000u;
}

// A document: lines of 14 rows of dark text of varying length on white, 10 blank rows between
// lines and 30 more between paragraphs of six lines.
QImage documentPage(int height, QRandomGenerator& random)
{
    QImage page(kWidth, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    int y = 0;
    for (int line = 0; y < height; ++line) {
        const int length = 1200 + random.bounded(2200);
        for (int row = 0; row < 14 && y < height; ++row, ++y) {
            auto* pLine = reinterpret_cast<QRgb*>(page.scanLine(y));
            for (int x = 200; x < 200 + length; ++x)
                pLine[x] = random.bounded(4) ? qRgb(255, 255, 255) : qRgb(20, 20, 20);
        }
        y += line % 6 == 5 ? 40 : 10;
    }
    return page;
}

// Blank but for one row of noise every 270 rows: candidates compared from the bottom up run
// through whole gaps before they fail.
QImage gappedPage(int height, QRandomGenerator& random)
{
    QImage page(kWidth, height, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (int y = 135; y < height; y += 270)
        noiseRow(reinterpret_cast<QRgb*>(page.scanLine(y)), 0, kWidth, random);
    return page;
}

QImage noisePage(int height, QRandomGenerator& random)
{
    QImage page(kWidth, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        noiseRow(reinterpret_cast<QRgb*>(page.scanLine(y)), 0, kWidth, random);
    return page;
}

struct FramePair
{
    FramePair(const QImage& page, int shift)
        : previous(page.copy(0, 0, kWidth, kHeight)), next(page.copy(0, shift, kWidth, kHeight))
    {
    }

    VRowImage previous;
    VRowImage next;
};

struct Frames
{
    Frames()
    {
        QRandomGenerator random(7);
        normal = std::make_unique<FramePair>(documentPage(kHeight + kStep, random), kStep);
        gapped = std::make_unique<FramePair>(gappedPage(2 * kHeight, random), kHeight * 3 / 4);
        noise = std::make_unique<FramePair>(noisePage(kHeight + kStep, random), kStep);
        // The caret was on in the previous frame and is off in the next one.
        QImage withCaret = noisePage(kHeight + kStep, random);
        caret = std::make_unique<FramePair>(withCaret, kStep);
        QImage on = withCaret.copy(0, 0, kWidth, kHeight);
        for (int y = 1500; y < 1524; ++y)
            std::fill_n(reinterpret_cast<QRgb*>(on.scanLine(y)) + 1900, 2, qRgb(0, 0, 0));
        caret->previous = VRowImage(on);
        strip = noisePage(kStep, random);
    }

    std::unique_ptr<FramePair> normal;
    std::unique_ptr<FramePair> gapped;
    std::unique_ptr<FramePair> noise;
    std::unique_ptr<FramePair> caret;
    QImage strip;
};

std::unique_ptr<Frames> g_frames;

template <std::unique_ptr<FramePair> Frames::*pair, bool reference>
void BM_FindOverlap(benchmark::State& state)
{
    const FramePair& frames = *(g_frames.get()->*pair);
    for (auto _ : state) {
        const QRect overlap =
            reference ? TalvikOverlapReference::findOverlap(frames.previous, frames.next)
                      : findOverlap(frames.previous, frames.next);
        benchmark::DoNotOptimize(overlap);
    }
}

void BM_Fingerprint(benchmark::State& state)
{
    const QImage& frame = g_frames->noise->next.image();
    for (auto _ : state) {
        const VRowImage rows(frame);
        benchmark::DoNotOptimize(rows.fingerprint(kHeight - 1));
    }
}

void BM_Stitch(benchmark::State& state)
{
    for (auto _ : state) {
        VStripCollector strips;
        for (int i = 0; i < kStrips; ++i)
            strips.append(g_frames->strip);
        const QImage joined = strips.result();
        benchmark::DoNotOptimize(joined.constBits());
    }
    state.counters["MB"] = double(kWidth) * kStep * kStrips * 4 / 1e6;
}

// The floor for joining: the same bytes copied once into a fresh picture.
void BM_PlainCopy(benchmark::State& state)
{
    const std::size_t bytes = std::size_t(g_frames->strip.sizeInBytes());
    for (auto _ : state) {
        QImage joined(kWidth, kStep * kStrips, QImage::Format_RGB32);
        for (int i = 0; i < kStrips; ++i)
            std::memcpy(joined.bits() + bytes * std::size_t(i), g_frames->strip.constBits(), bytes);
        benchmark::DoNotOptimize(joined.constBits());
    }
}

// Both searches must agree on the pairs, and find the scroll that made them.
bool sameAnswers()
{
    bool same = true;
    for (const auto& [name, pPair, top] :
         {std::tuple("normal", g_frames->normal.get(), kStep),
          std::tuple("blank gaps", g_frames->gapped.get(), kHeight * 3 / 4),
          std::tuple("noise", g_frames->noise.get(), kStep),
          std::tuple("caret", g_frames->caret.get(), kStep)}) {
        const QRect fast = findOverlap(pPair->previous, pPair->next);
        const QRect reference = TalvikOverlapReference::findOverlap(pPair->previous, pPair->next);
        if (fast != reference || fast.top() != top) {
            std::printf("%s: top %d height %d, reference top %d height %d, scrolled %d\n", name,
                        fast.top(), fast.height(), reference.top(), reference.height(), top);
            same = false;
        }
    }
    return same;
}

} // namespace

int main(int argc, char* argv[])
{
    g_frames = std::make_unique<Frames>();
    if (!sameAnswers())
        return 1;
    const auto add = [](const char* name, auto function) {
        benchmark::RegisterBenchmark(name, function)->Unit(benchmark::kMicrosecond);
    };
    add("Overlap/normal/fast", BM_FindOverlap<&Frames::normal, false>);
    add("Overlap/normal/reference", BM_FindOverlap<&Frames::normal, true>);
    add("Overlap/gaps/fast", BM_FindOverlap<&Frames::gapped, false>);
    add("Overlap/gaps/reference", BM_FindOverlap<&Frames::gapped, true>);
    add("Overlap/caret/fast", BM_FindOverlap<&Frames::caret, false>);
    add("Overlap/caret/reference", BM_FindOverlap<&Frames::caret, true>);
    add("Overlap/noise/fast", BM_FindOverlap<&Frames::noise, false>);
    add("Overlap/noise/reference", BM_FindOverlap<&Frames::noise, true>);
    add("Fingerprint/4K frame", BM_Fingerprint);
    add("Stitch/30 strips", BM_Stitch);
    add("Stitch/plain copy", BM_PlainCopy);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool normal = reporter.printRatio("normal scroll, reference / ours",
                                            "Overlap/normal/reference", "Overlap/normal/fast", 20);
    const bool gaps = reporter.printRatio("blank gaps, reference / ours", "Overlap/gaps/reference",
                                          "Overlap/gaps/fast", 20);
    const bool caret = reporter.printRatio("blinking caret, reference / ours",
                                           "Overlap/caret/reference", "Overlap/caret/fast", 5);
    // Without repeated rows the plain search rejects most candidates at once: no floor.
    reporter.printRatio("noise page, reference / ours", "Overlap/noise/reference",
                        "Overlap/noise/fast", 1);
    const bool stitch = reporter.printRatioBelow("joining 30 strips / one plain copy",
                                                 "Stitch/30 strips", "Stitch/plain copy", 2);
    std::printf("fingerprinting a 4K frame / normal search: %.0fx\n",
                reporter.time("Fingerprint/4K frame") / reporter.time("Overlap/normal/fast"));
    g_frames.reset();
    return normal && gaps && caret && stitch ? 0 : 1;
}
