// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// Screen grab to a picture in memory: shared memory against plain GetImage requests and the
// toolkit's own grab, on private X servers of 1920x1080 and 3840x2160. Grabs follow each other
// as in a scrolling capture: shared memory then reuses the segment of the picture let go of.

#include "TalvikBench.h"

#include "grab/VScreenGrab.h"
#include "platform/x11/VX11ScreenGrab.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScreen>

#include <xcb/xcb.h>

#include <memory>
#include <string>

namespace {

const char* const kSizeVariable = "TALVIK_BENCH_GRAB_SIZE";

xcb_connection_t* g_pConnection = nullptr;
const xcb_screen_t* g_pScreen = nullptr;

template <bool bShared>
void BM_Backend(benchmark::State& state)
{
    VX11ScreenGrab grab(g_pConnection, *g_pScreen, bShared);
    const VPlatformRect area{0, 0, g_pScreen->width_in_pixels, g_pScreen->height_in_pixels};
    for (auto _ : state) {
        const QImage picture = wrapPlatformImage(grab.grab(area));
        if (picture.isNull())
            state.SkipWithError("grab failed");
        benchmark::DoNotOptimize(picture.constBits());
    }
}

void BM_Toolkit(benchmark::State& state)
{
    QScreen* pScreen = QGuiApplication::primaryScreen();
    for (auto _ : state) {
        const QImage picture = pScreen->grabWindow(0).toImage();
        benchmark::DoNotOptimize(picture.constBits());
    }
}

// One size on the X server DISPLAY names: the toolkit connects to one display per process.
int runOnDisplay(int argc, char* argv[], const std::string& size)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const auto* pX11 = app.nativeInterface<QNativeInterface::QX11Application>();
    if (!pX11 || !pX11->connection()) {
        std::fprintf(stderr, "bench_Grab: no X display\n");
        return 1;
    }
    g_pConnection = pX11->connection();
    g_pScreen = xcb_setup_roots_iterator(xcb_get_setup(g_pConnection)).data;

    const std::string prefix = "Grab/" + size + "/";
    benchmark::RegisterBenchmark((prefix + "sharedMemory").c_str(), BM_Backend<true>)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((prefix + "plainGetImage").c_str(), BM_Backend<false>)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((prefix + "toolkitGrabWindow").c_str(), BM_Toolkit)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const bool plain = reporter.printRatio(size + " plain GetImage / shared memory",
                                           prefix + "plainGetImage", prefix + "sharedMemory", 2);
    const bool toolkit =
        reporter.printRatio(size + " toolkit grabWindow / shared memory",
                            prefix + "toolkitGrabWindow", prefix + "sharedMemory", 3);
    return plain && toolkit ? 0 : 1;
}

// Starts a private X server of the size and runs this program again on it.
bool runOnPrivateServer(const QString& size, const QStringList& arguments)
{
    QProcess server;
    server.start(QStringLiteral("Xvfb"),
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), size + QStringLiteral("x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    QByteArray display;
    if (server.waitForStarted(5000)) {
        while (!display.contains('\n') && server.waitForReadyRead(10000))
            display += server.readAllStandardOutput();
    }
    if (display.trimmed().isEmpty()) {
        std::fprintf(stderr, "bench_Grab: Xvfb (Debian package xvfb) did not start\n");
        return false;
    }
    QProcess bench;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display.trimmed());
    environment.insert(QString::fromLatin1(kSizeVariable), size);
    bench.setProcessEnvironment(environment);
    bench.setProcessChannelMode(QProcess::ForwardedChannels);
    bench.start(QCoreApplication::applicationFilePath(), arguments);
    const bool done = bench.waitForFinished(-1) && bench.exitStatus() == QProcess::NormalExit &&
                      bench.exitCode() == 0;
    server.terminate();
    server.waitForFinished(5000);
    return done;
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArray size = qgetenv(kSizeVariable);
    if (!size.isEmpty())
        return runOnDisplay(argc, argv, size.toStdString());

    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    bool met = true;
    for (const QString& each : {QStringLiteral("1920x1080"), QStringLiteral("3840x2160")})
        met = runOnPrivateServer(each, arguments) && met;
    return met ? 0 : 1;
}
