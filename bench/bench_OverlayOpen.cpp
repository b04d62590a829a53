// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Opening the capture overlay. Time: from the grabbed picture of a 3840x2160 screen to the
// overlay's first painted frame (the end of the capture delay to what the user sees). Memory:
// the most the heap holds while the overlay's state is built from the picture of a 7680x4320
// screen and a rectangle is picked on it, as a multiple of the picture's bytes, the picture
// itself and the window's backing store included.
//
// Each is measured beside today's way in the same run: the same overlay with what the old path
// added put back before its first paint (a dimmed copy of the whole picture as the background,
// kept once more in the view's background cache), and beside one plain copy of the picture.
//
// Each screen size runs in a process of its own on the offscreen platform, which is given a
// screen of that size; TALVIK_BENCH_OVERLAY_SIZE names the one a process runs. The time part
// keeps an explicit QT_QPA_PLATFORM (xcb on a 3840x2160 Xvfb, say) and uses its screen.
#include "TalvikBench.h"
#include "TalvikBenchHeap.h"
#include "TalvikBenchPaint.h"
#include "TalvikMouse.h"

#include "app/VCaptureResources.h"
#include "grab/VWindowNode.h"
#include "graphics/VGraphicsBackgroundImage.h"
#include "graphics/VGraphicsScene.h"
#include "overlay/VFullScreenSelector.h"
#include "VVCapture.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <string>

namespace {

const char* const kSizeVariable = "TALVIK_BENCH_OVERLAY_SIZE";

// The offscreen platform says at every window that it cannot raise it or grab the keyboard.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

// The picture every iteration's grab is a fresh copy of.
QImage g_source;

enum class Way
{
    Overlay, // the overlay as it is
    OldWay,  // with the old path's two full-size copies put back
};

// Before the overlay's first paint, puts back what the old path built: a dimmed copy of the
// picture as the scene's background, drawn through the view's background cache.
void restoreOldWay(VFullScreenSelector& overlay)
{
    // Shares g_source until the painter detaches it: one full copy, as the old path made of
    // the overlay's picture.
    QPixmap dimmed = QPixmap::fromImage(g_source);
    QPainter painter(&dimmed);
    painter.setOpacity(0.6);
    painter.fillRect(dimmed.rect(), Qt::black);
    painter.end();
    VGraphicsView* view = overlay.canvas()->view();
    view->scene()->setBackground(new VGraphicsBackgroundImage(dimmed));
    view->viewport()->setAttribute(Qt::WA_OpaquePaintEvent, false);
    view->setCacheMode(QGraphicsView::CacheBackground);
}

// Watches the overlay's view for its first paint; once that frame is out (the next turn of the
// event loop), runs then.
class FirstFrame : public QObject
{
public:
    FirstFrame(VFullScreenSelector& overlay, Way way, std::function<void()> then)
        : m_overlay(overlay), m_way(way), m_then(std::move(then))
    {
        overlay.canvas()->view()->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_bSeen) {
            m_bSeen = true;
            if (m_way == Way::OldWay)
                restoreOldWay(m_overlay);
            QTimer::singleShot(0, &m_overlay, m_then);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    VFullScreenSelector& m_overlay;
    Way m_way;
    std::function<void()> m_then;
    bool m_bSeen = false;
};

// ---- time ----

template <Way way>
void BM_FirstFrame(benchmark::State& state)
{
    for (auto _ : state) {
        QImage picture = g_source.copy(); // the grab: a fresh picture, moved on
        QElapsedTimer clock;
        clock.start();
        qint64 elapsed = 0;
        VFullScreenSelector overlay(nullptr);
        FirstFrame watch(overlay, way, [&] {
            elapsed = clock.nsecsElapsed();
            overlay.done(QDialog::Rejected);
        });
        overlay.runCapture(VV::CaptureRegion, std::move(picture), VWindowNode());
        if (elapsed == 0)
            state.SkipWithError("the overlay painted nothing");
        state.SetIterationTime(double(elapsed) / 1e9);
    }
}

void BM_PictureCopy(benchmark::State& state)
{
    for (auto _ : state) {
        const QImage copy = g_source.copy();
        benchmark::DoNotOptimize(copy.constBits());
    }
}

// ---- memory ----

struct Peaks
{
    double opened = 0; // up to the first frame
    double picked = 0; // through the pick of a rectangle, in the editing state
};

Peaks g_peaks[2];

// Runs the event loop until done says so, or for at most timeoutMs.
void waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

template <Way way>
void BM_Memory(benchmark::State& state)
{
    const double pictureBytes = double(g_source.sizeInBytes());
    Peaks peaks;
    for (auto _ : state) {
        const long long base = TalvikBench::Heap::current();
        TalvikBench::Heap::resetPeak();
        {
            QImage picture = g_source.copy();
            VFullScreenSelector overlay(nullptr);
            FirstFrame watch(overlay, way, [&] {
                peaks.opened = double(TalvikBench::Heap::peak() - base) / pictureBytes;
                QWidget* pView = overlay.canvas()->view()->viewport();
                TalvikTest::Mouse mouse(pView);
                mouse.move(QPoint(400, 300));
                mouse.drag(QPoint(400, 300), QPoint(2400, 1500));
                auto* pTools = overlay.findChild<QWidget*>(QStringLiteral("widgetMainTool"));
                // The tool rows slide in; then the overlay is editing.
                waitFor(
                    [&] {
                        return pTools->isVisible() &&
                               pTools->y() == overlay.height() - pTools->height();
                    },
                    3000);
                if (!pTools->isVisible())
                    state.SkipWithError("the pick did not reach the editing state");
                waitFor([] { return false; }, 200);
                peaks.picked = double(TalvikBench::Heap::peak() - base) / pictureBytes;
                overlay.done(QDialog::Rejected);
            });
            overlay.runCapture(VV::CaptureRegion, std::move(picture), VWindowNode());
        }
        state.counters["opened"] = peaks.opened;
        state.counters["picked"] = peaks.picked;
    }
    g_peaks[int(way)] = peaks;
}

// ---- the processes ----

// The offscreen platform with one screen of that size.
bool useOffscreenScreen(const QSize& size, QTemporaryDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("screen.json"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QStringLiteral("{\"screens\": [{\"name\": \"bench\", \"x\": 0, \"y\": 0, "
                              "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                              "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                   .arg(size.width())
                   .arg(size.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(path));
    return true;
}

int runTime(int argc, char* argv[])
{
    qInstallMessageHandler(quietPlatformNotes);
    QTemporaryDir folder;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        useOffscreenScreen(QSize(3840, 2160), folder);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    initCaptureResources();
    const QSize size = QGuiApplication::primaryScreen()->size() *
                       QGuiApplication::primaryScreen()->devicePixelRatio();
    g_source = TalvikBench::noisePicture(size.width(), size.height(), 7).toImage();
    const std::string prefix =
        "OverlayOpen/" + std::to_string(size.width()) + "x" + std::to_string(size.height()) + "/";
    benchmark::RegisterBenchmark((prefix + "firstFrame").c_str(), BM_FirstFrame<Way::Overlay>)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((prefix + "firstFrameOldWay").c_str(), BM_FirstFrame<Way::OldWay>)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((prefix + "pictureCopy").c_str(), BM_PictureCopy)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const double frameMs = reporter.time(prefix + "firstFrame/manual_time");
    const bool quick = frameMs > 0 && frameMs <= 50;
    std::printf("grab to first frame: %.1f ms (at most 50 ms: %s)\n", frameMs,
                quick ? "yes" : "NO");
    const double oldMs = reporter.time(prefix + "firstFrameOldWay/manual_time");
    const double gain = frameMs > 0 ? oldMs / frameMs : 0.0;
    const bool faster = gain >= 1.5;
    std::printf("old way / overlay, grab to first frame: %.1fx (at least 1.5x: %s)\n", gain,
                faster ? "yes" : "NO");
    const double copyMs = reporter.time(prefix + "pictureCopy");
    std::printf("grab to first frame / one plain copy of the picture: %.1fx\n",
                copyMs > 0 ? frameMs / copyMs : 0.0);
    return quick && faster ? 0 : 1;
}

int runMemory(int argc, char* argv[])
{
    qInstallMessageHandler(quietPlatformNotes);
    QTemporaryDir folder;
    useOffscreenScreen(QSize(7680, 4320), folder);
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    initCaptureResources();
    {
        // The counter must see the toolkit's pictures, or every ratio below would be nothing.
        const long long before = TalvikBench::Heap::current();
        const QImage probe(2048, 2048, QImage::Format_RGB32);
        if (TalvikBench::Heap::current() - before < probe.sizeInBytes()) {
            std::fprintf(stderr, "bench_OverlayOpen: the heap counter sees no allocations\n");
            return 1;
        }
    }
    g_source = TalvikBench::noisePicture(7680, 4320, 7).toImage();
    benchmark::RegisterBenchmark("OverlayMemory/7680x4320/peak", BM_Memory<Way::Overlay>)
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OverlayMemory/7680x4320/peakOldWay", BM_Memory<Way::OldWay>)
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    const Peaks& now = g_peaks[int(Way::Overlay)];
    const Peaks& old = g_peaks[int(Way::OldWay)];
    const double peak = qMax(now.opened, now.picked);
    const double oldPeak = qMax(old.opened, old.picked);
    const bool small = peak > 0 && peak <= 2.5;
    std::printf("peak heap / picture bytes, opened %.2fx, picked %.2fx (at most 2.5x: %s)\n",
                now.opened, now.picked, small ? "yes" : "NO");
    std::printf("old way: opened %.2fx, picked %.2fx; old way / overlay: %.2fx\n", old.opened,
                old.picked, peak > 0 ? oldPeak / peak : 0.0);
    return small ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArray size = qgetenv(kSizeVariable);
    if (size == "4K")
        return runTime(argc, argv);
    if (size == "8K")
        return runMemory(argc, argv);
    if (!size.isEmpty()) {
        std::fprintf(stderr, "bench_OverlayOpen: %s is 4K or 8K\n", kSizeVariable);
        return 2;
    }
    // Each size in a process of its own, with the same arguments.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    int result = 0;
    for (const char* const each : {"4K", "8K"}) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kSizeVariable), QString::fromLatin1(each));
        child.setProcessEnvironment(environment);
        child.start(QString::fromLocal8Bit(argv[0]), arguments);
        if (!child.waitForStarted() || !child.waitForFinished(-1) ||
            child.exitStatus() != QProcess::NormalExit)
            result = 1;
        else if (child.exitCode() != 0)
            result = child.exitCode();
        std::fflush(stdout);
    }
    return result;
}
