// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VScrollingCapture.h"

#include "grab/VScreenGrab.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "scrolling/VLogScroll.h"
#include "scrolling/VScrollStitcher.h"
#include "scrolling/VShiftSearch.h"
#include "VScrollProgress.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <utility>

namespace {

constexpr int kEscapeHotkeyId = 0xBF00;
constexpr unsigned kVirtualKeyEscape = 27;

// Escape anywhere on the desktop: the scrolled window has the keyboard focus, not us.
class VEscapeFilter : public QAbstractNativeEventFilter
{
public:
    explicit VEscapeFilter(std::function<void()> onEscape) : m_onEscape(std::move(onEscape))
    {
        m_bGrabbed = VPlatform::backend().registerHotkey(kEscapeHotkeyId, 0, kVirtualKeyEscape);
        if (!m_bGrabbed)
            qCInfo(lcScroll,
                   "Scrolling capture: Escape could not be grabbed, it will not stop the capture");
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~VEscapeFilter() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        if (m_bGrabbed)
            VPlatform::backend().unregisterHotkey(kEscapeHotkeyId);
    }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (VPlatform::backend().hotkeyFromNativeEvent(eventType.constData(), message) !=
            kEscapeHotkeyId)
            return false;
        m_onEscape();
        return true;
    }

private:
    std::function<void()> m_onEscape;
    bool m_bGrabbed = false;
};

const char* endName(VScrollingCapture::End end)
{
    switch (end) {
    case VScrollingCapture::End::Finished:
        return "the page's end";
    case VScrollingCapture::End::ContentChanged:
        return "no certain shift, the part so far kept";
    case VScrollingCapture::End::GaveUp:
        return "no certain shift, nothing kept";
    case VScrollingCapture::End::HeightLimit:
        return "the size limit";
    case VScrollingCapture::End::Stopped:
        return "Escape";
    case VScrollingCapture::End::Unavailable:
        break;
    }
    return "no scrolling";
}

// Shows the pointer again however the capture ends.
struct VHiddenPointer
{
    VHiddenPointer() { VPlatform::backend().setPointerVisible(false); }
    ~VHiddenPointer() { VPlatform::backend().setPointerVisible(true); }
};

} // namespace

QImage grabArea(const QRect& deviceRect)
{
    // Only what the capture looks at: a whole screen per step would cost many times more.
    const QImage shown = deviceRect.isEmpty() ? QImage() : grabDeviceArea(deviceRect);
    return shown.convertToFormat(QImage::Format_RGB32);
}

VScrollingCapture::VScrollingCapture(QObject* pParent) : QObject(pParent) {}

bool VScrollingCapture::pause(int milliseconds, bool bInterruptible)
{
    if (!(m_bStopped && bInterruptible) && milliseconds > 0) {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        m_pLoop = bInterruptible ? &loop : nullptr;
        loop.exec();
        m_pLoop = nullptr;
    }
    return !m_bStopped;
}

void VScrollingCapture::onEscape()
{
    m_bStopped = true;
    if (m_pLoop)
        m_pLoop->quit();
}

QImage VScrollingCapture::settledGrab(const QRect& deviceRect, const QImage& before)
{
    if (m_bFixedPause) {
        pause(m_stepPauseMs, false);
        return grabArea(deviceRect);
    }
    QElapsedTimer clock;
    clock.start();
    QImage last = before;
    bool bMoved = false;
    for (;;) {
        pause(int(qBound<qint64>(1, m_stepPauseMs - clock.elapsed(), qint64(kPollMs))), false);
        QImage shown = grabArea(deviceRect);
        // A caret or a spinner never stands still; the tail of a smooth scroll moving a page
        // that repeats itself changes as few rows, but across the page.
        const int tolerance = shown.height() / 8;
        if (bMoved &&
            isSmallChange(differingBox(shown, last, shown.rect()), tolerance, shown.width()))
            return shown;
        bMoved = bMoved || differingRows(shown, before, shown.rect()) > tolerance;
        if (clock.elapsed() >= m_stepPauseMs)
            return shown;
        last = std::move(shown);
    }
}

QImage VScrollingCapture::capture(const QRect& deviceRect)
{
    m_bStopped = false;
    m_end = End::Finished;
    VPlatformBackend& backend = VPlatform::backend();
    if (!backend.canScrollWindows() || deviceRect.isEmpty()) {
        qCInfo(lcScroll, "Scrolling capture: %s",
               deviceRect.isEmpty() ? "the window has no area"
                                    : "the desktop does not let us scroll another window");
        m_end = End::Unavailable;
        return QImage();
    }
    QElapsedTimer clock;
    clock.start();
    const VEscapeFilter escape([this] { onEscape(); });
    QPoint wheel = deviceRect.contains(m_wheelPoint) ? m_wheelPoint : deviceRect.center();
    qCInfo(lcScroll,
           "Scrolling capture: window %dx%d%+d%+d, wheel at %d,%d, %d notches a step, each "
           "waiting %s%d ms",
           deviceRect.width(), deviceRect.height(), deviceRect.x(), deviceRect.y(), wheel.x(),
           wheel.y(), kNotchesPerStep, m_bFixedPause ? "" : "at most ", m_stepPauseMs);
    backend.raiseWindow(backend.windowAt(wheel.x(), wheel.y()));
    backend.movePointer(wheel.x(), wheel.y());
    const VHiddenPointer hidden;
    VScrollProgress progress(deviceRect);

    if (!pause(m_settleMs, true)) {
        qCInfo(lcScroll, "Scrolling capture: stopped with Escape before the first step");
        m_end = End::Stopped;
        return QImage();
    }
    QImage shown = grabArea(deviceRect);
    if (shown.isNull()) {
        qCInfo(lcScroll, "Scrolling capture: the window could not be grabbed");
        m_end = End::Unavailable;
        return QImage();
    }
    const qint64 rowLimit = qMin<qint64>(m_rowLimit, kMaxPixels / qMax(1, shown.width()));
    VScrollStitcher stitcher(shown, rowLimit);
    bool bWheelPlaced = false;
    int steps = 0;
    const auto ended = [&](End end) {
        m_end = end;
        qCInfo(lcScroll, "Scrolling capture ended at %s after %d steps: %lld rows in %lld ms",
               endName(end), steps, stitcher.rows(), clock.elapsed());
    };
    for (;;) {
        progress.setRows(stitcher.rows());
        // The picked point may be on a scroll bar, which moves the page by other amounts.
        if (!bWheelPlaced && !stitcher.band().isEmpty()) {
            const QRect band = stitcher.band().translated(deviceRect.topLeft());
            if (!band.contains(wheel)) {
                wheel = band.center();
                backend.movePointer(wheel.x(), wheel.y());
            }
            bWheelPlaced = true;
        }
        backend.turnWheel(wheel.x(), wheel.y(), kNotchesPerStep);
        ++steps;
        const qint64 turned = clock.elapsed();
        // Escape meanwhile still takes in what this step shows, then stops.
        shown = settledGrab(deviceRect, shown);
        qCDebug(lcScroll, "Scroll step %d: the wheel at %d,%d, grabbed after %lld ms", steps,
                wheel.x(), wheel.y(), clock.elapsed() - turned);
        VScrollStitcher::Step step = stitcher.add(shown);
        // The page may still have been moving, or an end reached too early to tell.
        for (int retry = 0; retry < 1 && step != VScrollStitcher::Step::Moved; ++retry) {
            qCDebug(lcScroll, "Scroll step %d: once more after %d ms", steps, m_stepPauseMs);
            pause(m_stepPauseMs, false);
            shown = grabArea(deviceRect);
            step = stitcher.add(shown);
        }
        if (step == VScrollStitcher::Step::Uncertain) {
            if (m_bStopped) {
                ended(End::Stopped);
                break;
            }
            const bool keep = !m_keepChangedContent || m_keepChangedContent();
            ended(keep ? End::ContentChanged : End::GaveUp);
            if (!keep)
                return QImage();
            break;
        }
        if (step == VScrollStitcher::Step::Unmoved || m_bStopped || stitcher.isFull()) {
            ended(stitcher.isFull() ? End::HeightLimit : m_bStopped ? End::Stopped : End::Finished);
            break;
        }
    }
    return stitcher.result();
}

bool VScrollingCapture::isPartial(End end)
{
    return end == End::ContentChanged || end == End::HeightLimit || end == End::Stopped;
}

QString VScrollingCapture::endText(End end)
{
    switch (end) {
    case End::Finished:
        return QString();
    case End::ContentChanged:
        return tr("The content changed during scrolling and no certain match was found; the "
                  "part captured before is kept.");
    case End::GaveUp:
        return tr("The content changed during scrolling; nothing was kept.");
    case End::HeightLimit:
        return tr("The page is longer than one picture may be (%1 rows or %2 million pixels); "
                  "the capture stopped there and keeps what it has.")
            .arg(kMaxRows)
            .arg(kMaxPixels / (1024 * 1024));
    case End::Stopped:
        return tr("Stopped with Escape; the part captured so far is kept.");
    case End::Unavailable:
        return tr("This desktop does not let a program scroll another program's window.");
    }
    return QString();
}
