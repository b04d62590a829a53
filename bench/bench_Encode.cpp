// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a capture: PNG through Qt's writer at its default and at lower zlib levels against our
// streaming writer at several levels and filters, on a made-up screen of text, flat controls and
// a photo, at 1920x1080 and 3840x2160. Prints time and bytes of each and the ratios to Qt's
// default PNG; JPEG and BMP are measured for comparison.
// "bench_Encode --show-screen" instead shows the made-up screen in a window covering the whole
// screen until killed: the desktop that bench/compare-peers captures.
#include "TalvikBench.h"

#include "output/VBmpWriter.h"
#include "output/VJpegWriter.h"
#include "output/VPngWriter.h"

#include <QApplication>
#include <QBuffer>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

// Takes the bytes and counts them, so the encoders are timed without the disk.
class VCountingDevice : public QIODevice
{
public:
    VCountingDevice() { open(QIODevice::WriteOnly); }
    qint64 count() const { return m_count; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        m_count += size;
        return size;
    }

private:
    qint64 m_count = 0;
};

constexpr int kGlyphWidth = 8;
constexpr int kGlyphHeight = 14;
constexpr int kGlyphs = 64;

// Glyph-like cells: a few strokes of dark ink with grey, anti-aliased edges.
std::vector<QImage> makeGlyphs(QRandomGenerator& random)
{
    std::vector<QImage> glyphs;
    for (int g = 0; g < kGlyphs; ++g) {
        QImage glyph(kGlyphWidth, kGlyphHeight, QImage::Format_ARGB32_Premultiplied);
        glyph.fill(Qt::transparent);
        for (int stroke = 0; stroke < 3; ++stroke) {
            const bool vertical = random.bounded(2) == 1;
            const int at = 1 + random.bounded(vertical ? kGlyphWidth - 2 : kGlyphHeight - 4);
            const int from = 2 + random.bounded(4);
            const int to = from + 3 + random.bounded(vertical ? 6 : 3);
            for (int i = from; i < to; ++i) {
                const int x = vertical ? at : i % kGlyphWidth;
                const int y = vertical ? i : at + 2;
                glyph.setPixel(x, y, qRgba(0, 0, 0, 230));
                if (vertical && x + 1 < kGlyphWidth)
                    glyph.setPixel(x + 1, y, qRgba(0, 0, 0, 90));
            }
        }
        glyphs.push_back(glyph);
    }
    return glyphs;
}

void drawText(QPainter& painter, const QRect& area, const std::vector<QImage>& glyphs,
              QRandomGenerator& random)
{
    for (int y = area.top(); y + kGlyphHeight <= area.bottom(); y += kGlyphHeight + 6) {
        const int length = area.width() / 2 + random.bounded(area.width() / 2);
        for (int x = area.left(); x + kGlyphWidth <= area.left() + length; x += kGlyphWidth) {
            if (random.bounded(6) != 0)
                painter.drawImage(x, y, glyphs[size_t(random.bounded(kGlyphs))]);
        }
    }
}

// A smooth picture with grain, as a photo on a web page.
void drawPhoto(QImage& screen, const QRect& area, QRandomGenerator& random)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        auto* pLine = reinterpret_cast<QRgb*>(screen.scanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            const double u = double(x - area.left()) / area.width();
            const double v = double(y - area.top()) / area.height();
            const int grain = int(random.bounded(13)) - 6;
            const auto channel = [grain](double value) {
                return qBound(0, int(value) + grain, 255);
            };
            pLine[x] = qRgb(channel(120 + 90 * std::sin(6 * u + 2 * v)),
                            channel(110 + 70 * std::cos(4 * v - 3 * u)), channel(60 + 80 * v));
        }
    }
}

// Two windows of text and controls, one with a photo, on a flat desktop with a task bar.
QImage syntheticScreen(int width, int height)
{
    QRandomGenerator random(14);
    const std::vector<QImage> glyphs = makeGlyphs(random);
    const double s = width / 1920.0;
    const auto scaled = [s](int x, int y, int w, int h) {
        return QRect(int(x * s), int(y * s), int(w * s), int(h * s));
    };
    QImage screen(width, height, QImage::Format_RGB32);
    screen.fill(QColor(58, 110, 165));
    QPainter painter(&screen);
    const auto window = [&](const QRect& frame) {
        painter.fillRect(frame, QColor(240, 240, 240));
        painter.fillRect(QRect(frame.topLeft(), QSize(frame.width(), int(30 * s))),
                         QColor(40, 60, 120));
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
    };
    window(scaled(60, 40, 1040, 860));
    painter.fillRect(scaled(70, 80, 1020, 810), Qt::white);
    drawText(painter, scaled(80, 90, 1000, 790), glyphs, random);
    window(scaled(1000, 100, 860, 880));
    for (int row = 0; row < int(40 * s); ++row) // a toolbar's gradient, one colour a row
        painter.fillRect(QRect(int(1001 * s), int(130 * s) + row, int(858 * s), 1),
                         QColor(225 - row / 2, 225 - row / 2, 230 - row / 2));
    for (int button = 0; button < 12; ++button) {
        const QRect box = scaled(1020, 190 + button * 40, 160, 30);
        painter.fillRect(box, QColor(225, 225, 225));
        painter.setPen(QColor(120, 120, 120));
        painter.drawRect(box.adjusted(0, 0, -1, -1));
        drawText(painter, box.adjusted(int(10 * s), int(8 * s), 0, 0), glyphs, random);
    }
    painter.end();
    drawPhoto(screen, scaled(1200, 190, 640, 400), random);
    painter.begin(&screen);
    drawText(painter, scaled(1200, 610, 640, 360), glyphs, random);
    painter.fillRect(scaled(0, 1040, 1920, 40), QColor(30, 30, 36));
    for (int icon = 0; icon < 10; ++icon)
        drawPhoto(screen, scaled(10 + icon * 44, 1044, 32, 32), random);
    return screen;
}

struct Screens
{
    QImage fullHd = syntheticScreen(1920, 1080);
    QImage fourK = syntheticScreen(3840, 2160);
};
const Screens* g_pScreens = nullptr;

using Encoder = std::function<bool(const QImage&, QIODevice&)>;

Encoder qtWriter(const char* format, int compression, int quality)
{
    return [format, compression, quality](const QImage& image, QIODevice& device) {
        QImageWriter writer(&device, format);
        if (compression >= 0)
            writer.setCompression(compression);
        if (quality >= 0)
            writer.setQuality(quality);
        return writer.write(image);
    };
}

Encoder ourPng(int level, VPngWriter::Filter filter, int threads = 0)
{
    return [level, filter, threads](const QImage& image, QIODevice& device) {
        return VPngWriter(level, filter, threads).write(image, device);
    };
}

void BM_Encode(benchmark::State& state, const Encoder& encode, bool fourK)
{
    const QImage& image = fourK ? g_pScreens->fourK : g_pScreens->fullHd;
    qint64 bytes = 0;
    for (auto _ : state) {
        VCountingDevice device;
        if (!encode(image, device))
            state.SkipWithError("encoding failed");
        bytes = device.count();
    }
    state.counters["bytes"] = double(bytes);
}

struct Candidate
{
    std::string name;
    Encoder encode;
};

std::map<std::string, double> g_bytes;

class EncodeReporter : public TalvikBench::RatioReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        RatioReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const auto found = run.counters.find("bytes");
            if (found != run.counters.end())
                g_bytes[run.benchmark_name()] = found->second;
        }
    }
};

} // namespace

int showScreen(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QRect area = QGuiApplication::primaryScreen()->geometry();
    QLabel label;
    // No window manager on a virtual X server: the window places itself.
    label.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint);
    label.setPixmap(QPixmap::fromImage(syntheticScreen(area.width(), area.height())));
    label.setGeometry(area);
    label.show();
    return application.exec();
}

int main(int argc, char* argv[])
{
    if (argc > 1 && std::string(argv[1]) == "--show-screen")
        return showScreen(argc, argv);
    TalvikBench::preferOffscreen();
    QGuiApplication application(argc, argv);
    const Screens screens;
    g_pScreens = &screens;
    using Filter = VPngWriter::Filter;
    const std::vector<Candidate> candidates{
        {"PNG/Qt default", qtWriter("png", -1, -1)},
        // Qt maps quality q to zlib level (100 - q) * 9 / 91.
        {"PNG/Qt level 1", qtWriter("png", -1, 80)},
        {"PNG/Qt level 3", qtWriter("png", -1, 60)},
        {"PNG/ours level 1", ourPng(1, Filter::Adaptive)},
        {"PNG/ours level 2", ourPng(VPngWriter::kDefaultLevel, Filter::Adaptive)},
        {"PNG/ours level 3", ourPng(3, Filter::Adaptive)},
        {"PNG/ours level 2, one deflate thread", ourPng(2, Filter::Adaptive, 1)},
        {"PNG/ours level 2 up", ourPng(2, Filter::Up)},
        {"PNG/ours level 2 paeth", ourPng(2, Filter::Paeth)},
        {"JPEG/Qt quality 75", qtWriter("jpg", -1, 75)},
        {"JPEG/ours quality 75",
         [](const QImage& image, QIODevice& device) {
             return VJpegWriter(75).write(image, device);
         }},
        {"BMP/Qt", qtWriter("bmp", -1, -1)},
        {"BMP/ours", writeBmpOnWhite},
    };
    for (const bool fourK : {false, true}) {
        for (const Candidate& candidate : candidates) {
            const std::string name = candidate.name + (fourK ? "/3840x2160" : "/1920x1080");
            benchmark::RegisterBenchmark(name.c_str(), BM_Encode, candidate.encode, fourK)
                ->Unit(benchmark::kMillisecond);
        }
    }
    benchmark::Initialize(&argc, argv);
    EncodeReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    bool met = true;
    for (const char* size : {"/1920x1080", "/3840x2160"}) {
        const std::string base = std::string("PNG/Qt default") + size;
        std::printf("\n%-34s %10s %12s %18s %16s\n", size + 1, "ms", "bytes", "Qt default / this",
                    "bytes / Qt's");
        for (const Candidate& candidate : candidates) {
            const std::string name = candidate.name + size;
            const double time = reporter.time(name);
            if (time <= 0)
                continue;
            std::printf("%-34s %10.1f %12.0f %17.2fx %16.3f\n", candidate.name.c_str(), time,
                        g_bytes[name], reporter.time(base) / time, g_bytes[name] / g_bytes[base]);
        }
        // The writer the application uses: at least 3 times faster, at most 10% larger.
        const std::string ours = std::string("PNG/ours level 2") + size;
        met =
            reporter.printRatio(std::string(size + 1) + " PNG, Qt default / ours", base, ours, 3) &&
            met;
        const double growth = g_bytes[base] > 0 ? g_bytes[ours] / g_bytes[base] : 0.0;
        const bool small = growth > 0 && growth <= 1.10;
        std::printf("%s PNG, bytes ours / Qt default: %.3f (at most 1.10: %s)\n", size + 1, growth,
                    small ? "yes" : "NO");
        met = small && met;
    }
    return met ? 0 : 1;
}
