// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VScrollingCapture.h"

#include "grab/VScreenGrab.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"
#include "scrolling/VOverlapSearch.h"
#include "scrolling/VRowImage.h"
#include "scrolling/VStripCollector.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
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
    const QRect area = deviceRect.adjusted(2, 2, -25, -2);
    const QImage shown = area.isEmpty() ? QImage() : grabDeviceArea(area);
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

QImage VScrollingCapture::capture(const QRect& deviceRect)
{
    m_bStopped = false;
    m_end = End::Finished;
    VPlatformBackend& backend = VPlatform::backend();
    if (!backend.canScrollWindows() || deviceRect.isEmpty()) {
        m_end = End::Unavailable;
        return QImage();
    }
    const VEscapeFilter escape([this] { onEscape(); });
    const QPoint wheelPoint(deviceRect.right() - kWheelInset, deviceRect.center().y());
    backend.raiseWindow(backend.windowAt(wheelPoint.x(), wheelPoint.y()));
    backend.movePointer(wheelPoint.x(), wheelPoint.y());
    const VHiddenPointer hidden;

    VStripCollector strips;
    if (!pause(m_settleMs, true)) {
        m_end = End::Stopped;
        return QImage();
    }
    const QImage first = grabArea(deviceRect.adjusted(0, 0, 0, -kBottomMargin));
    if (first.isNull() || first.height() <= kTopMargin) {
        m_end = End::Unavailable;
        return QImage();
    }
    strips.append(first);
    VRowImage previous(first.copy(0, kTopMargin, first.width(), first.height() - kTopMargin));
    const QRect stepArea = deviceRect.adjusted(0, kTopMargin, 0, -kBottomMargin);
    const qint64 rowLimit = qMin<qint64>(m_rowLimit, kMaxPixels / qMax(1, first.width()));

    bool endPath = false;
    for (;;) {
        backend.turnWheel(wheelPoint.x(), wheelPoint.y(), kNotchesPerStep);
        // Escape during the pause still waits for and takes in what this step shows, then stops:
        // the page is moving, so a grab now would catch it half way.
        const bool stopped = !pause(m_stepPauseMs, false);
        VRowImage next(grabArea(stepArea));
        const QRect overlap = findOverlap(previous, next);
        if (overlap.isEmpty()) {
            if (stopped) {
                m_end = End::Stopped;
                break;
            }
            const bool keep = !m_keepChangedContent || m_keepChangedContent();
            m_end = keep ? End::ContentChanged : End::GaveUp;
            if (!keep)
                return QImage();
            break;
        }
        if (overlap.top() == 0) {
            if (stopped)
                m_end = End::Stopped;
            endPath = true;
            break;
        }
        const QImage& shown = next.image();
        const int fresh = shown.height() - overlap.height();
        const qint64 room = rowLimit - strips.totalHeight();
        if (fresh >= room) {
            strips.append(shown.copy(0, overlap.height(), shown.width(), int(room)));
            m_end = End::HeightLimit;
            return strips.result();
        }
        strips.append(shown.copy(0, overlap.height(), shown.width(), fresh));
        if (stopped) {
            m_end = End::Stopped;
            endPath = true;
            break;
        }
        previous = std::move(next);
    }
    // The bottom rows every step cut off belong to the end, once: the page has not moved since
    // the last grab.
    if (endPath) {
        const QImage full = grabArea(deviceRect);
        const int height = strips.lastHeight() + kBottomMargin;
        if (!full.isNull() && full.height() >= height && full.width() == first.width())
            strips.replaceLast(full.copy(0, full.height() - height, full.width(), height));
    }
    return strips.result();
}

QString VScrollingCapture::endText(End end)
{
    switch (end) {
    case End::Finished:
        return QString();
    case End::ContentChanged:
        return tr("The content changed during scrolling; the part captured before is kept.");
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
