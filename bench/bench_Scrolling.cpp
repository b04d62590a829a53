// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// A scrolling capture of a 1,000-line text view: steps that end once the page stands still
// against a fixed pause of ScrollingInterval (500 ms) per step, on a private X server.

#include "TalvikBench.h"

#include "scrolling/VScrollingCapture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProcessEnvironment>
#include <QScrollBar>

#include <memory>

namespace {

const char* const kDisplayVariable = "TALVIK_BENCH_SCROLLING_CHILD";
constexpr int kLines = 1000;
constexpr int kInterval = 500;

QPlainTextEdit* g_pView = nullptr;
QImage g_first;

template <bool bFixed>
void BM_Capture(benchmark::State& state)
{
    for (auto _ : state) {
        g_pView->verticalScrollBar()->setValue(0);
        VScrollingCapture capture;
        capture.setStepPause(kInterval);
        capture.setSettleDelay(200);
        capture.setFixedPause(bFixed);
        // No scaling on the private server: logical pixels are device pixels.
        const QImage page = capture.capture(g_pView->geometry());
        if (capture.end() != VScrollingCapture::End::Finished)
            state.SkipWithError("the capture did not reach the end");
        // Both ways must give the same picture, or the faster one is not doing the job.
        if (g_first.isNull())
            g_first = page;
        else if (page != g_first)
            state.SkipWithError("the pictures differ");
        state.counters["rows"] = page.height();
    }
}

int runOnDisplay(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QStringList lines;
    for (int line = 1; line <= kLines; ++line)
        lines << QStringLiteral("Line %1 of the text view").arg(line);
    const auto pView = std::make_unique<QPlainTextEdit>(lines.join(QLatin1Char('\n')));
    pView->setWindowFlags(Qt::X11BypassWindowManagerHint | Qt::FramelessWindowHint);
    pView->setGeometry(100, 100, 600, 400);
    pView->show();
    QApplication::processEvents();
    g_pView = pView.get();

    benchmark::RegisterBenchmark("Scrolling/1000lines/untilSettled", BM_Capture<false>)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("Scrolling/1000lines/fixedPause/iterations:1", BM_Capture<true>)
        ->Unit(benchmark::kSecond)
        ->Iterations(1);
    benchmark::Initialize(&argc, argv);
    TalvikBench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    return reporter.printRatio("fixed pause / until settled",
                               "Scrolling/1000lines/fixedPause/iterations:1",
                               "Scrolling/1000lines/untilSettled/iterations:1", 4)
               ? 0
               : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(kDisplayVariable))
        return runOnDisplay(argc, argv);

    // The wheel goes through the X server to this program's own window: a private server keeps
    // the desktop out of it.
    QCoreApplication app(argc, argv);
    QProcess server;
    server.start(QStringLiteral("Xvfb"),
                 {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    QByteArray display;
    if (server.waitForStarted(5000)) {
        while (!display.contains('\n') && server.waitForReadyRead(10000))
            display += server.readAllStandardOutput();
    }
    if (display.trimmed().isEmpty()) {
        std::fprintf(stderr, "bench_Scrolling: Xvfb (Debian package xvfb) did not start\n");
        return 1;
    }
    QProcess bench;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + display.trimmed());
    environment.insert(QString::fromLatin1(kDisplayVariable), QStringLiteral("1"));
    bench.setProcessEnvironment(environment);
    bench.setProcessChannelMode(QProcess::ForwardedChannels);
    bench.start(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    const bool done = bench.waitForFinished(-1) && bench.exitStatus() == QProcess::NormalExit &&
                      bench.exitCode() == 0;
    server.terminate();
    server.waitForFinished(5000);
    return done ? 0 : 1;
}
