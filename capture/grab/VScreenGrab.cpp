// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VScreenGrab.h"

#include "grab/VLogGrab.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

// The toolkit maps a screen's pixels to logical ones around the screen's top-left corner.
QPointF scaled(const QPointF& logical, const QScreen* pScreen)
{
    const QPointF origin = pScreen->geometry().topLeft();
    return origin + (logical - origin) * pScreen->devicePixelRatio();
}

QPoint rounded(const QPointF& point)
{
    return {int(std::lround(point.x())), int(std::lround(point.y()))};
}

QRect scaled(const QRect& logical, const QScreen* pScreen)
{
    // Edges rather than sizes, so that neighbouring rectangles stay neighbours.
    const QPoint topLeft = rounded(scaled(QPointF(logical.topLeft()), pScreen));
    const QPoint end = rounded(
        scaled(QPointF(logical.topLeft() + QPoint(logical.width(), logical.height())), pScreen));
    return {topLeft, end - QPoint(1, 1)};
}

void releaseOwner(void* pOwner)
{
    delete static_cast<std::shared_ptr<void>*>(pOwner);
}

QImage::Format imageFormat(VPlatformImage::Format format)
{
    switch (format) {
    case VPlatformImage::Format::Rgb32:
        return QImage::Format_RGB32;
    case VPlatformImage::Format::Rgb16:
        return QImage::Format_RGB16;
    case VPlatformImage::Format::Rgb555:
        return QImage::Format_RGB555;
    case VPlatformImage::Format::None:
        break;
    }
    return QImage::Format_Invalid;
}

// WxH+X+Y, for the log.
QByteArray loggedGeometry(const QRect& rect)
{
    return QString::asprintf("%dx%d%+d%+d", rect.width(), rect.height(), rect.x(), rect.y())
        .toUtf8();
}

// The backend's own grab of an area, or null; why it did not share memory with the display
// server goes to pWhyNotShared.
QImage grabDevicePixels(VPlatformBackend& backend, const QRect& deviceRect,
                        std::string* pWhyNotShared = nullptr)
{
    VPlatformImage grabbed = backend.grabScreenImage(
        {deviceRect.x(), deviceRect.y(), deviceRect.width(), deviceRect.height()});
    if (pWhyNotShared)
        *pWhyNotShared = grabbed.whyNotShared;
    return wrapPlatformImage(std::move(grabbed));
}

// Where the backend grabs nothing itself. Coordinates are relative to each screen; a raster
// pixmap hands over its image without a copy, so one screen is not painted anew.
QImage grabThroughToolkit(const QList<QScreen*>& screens, const QRect& device)
{
    const auto grabbed = [](QScreen* pScreen) {
        const QRect geometry = pScreen->geometry();
        return pScreen->grabWindow(0, 0, 0, geometry.width(), geometry.height()).toImage();
    };
    if (screens.size() == 1)
        return grabbed(screens.front());
    QImage picture(device.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    for (QScreen* pScreen : screens) {
        QImage part = grabbed(pScreen);
        part.setDevicePixelRatio(1);
        painter.drawImage(deviceGeometry(pScreen).topLeft() - device.topLeft(), part);
    }
    return picture;
}

} // namespace

QImage grabThroughBackend(VPlatformBackend& backend, const QRect& deviceRect)
{
    QElapsedTimer clock;
    clock.start();
    std::string whyNotShared;
    QImage picture = grabDevicePixels(backend, deviceRect, &whyNotShared);
    if (picture.isNull())
        qCInfo(lcGrab, "Screen grab: the %s backend grabs nothing itself", backend.name().c_str());
    else if (whyNotShared.empty())
        qCInfo(lcGrab, "Screen grab: %s by the %s backend through shared memory in %lld ms",
               loggedGeometry(deviceRect).constData(), backend.name().c_str(), clock.elapsed());
    else
        qCInfo(lcGrab, "Screen grab: %s by the %s backend in plain requests (%s) in %lld ms",
               loggedGeometry(deviceRect).constData(), backend.name().c_str(), whyNotShared.c_str(),
               clock.elapsed());
    return picture;
}

QImage wrapPlatformImage(VPlatformImage&& grabbed)
{
    const QImage::Format format = imageFormat(grabbed.format);
    if (format == QImage::Format_Invalid || !grabbed.pixels)
        return QImage();
    // The image keeps a share of the owner and drops it with its last copy; until the
    // constructor has taken it, the unique_ptr holds it.
    auto pOwner = std::make_unique<std::shared_ptr<void>>(std::move(grabbed.owner));
    QImage image(grabbed.pixels, grabbed.width, grabbed.height, grabbed.bytesPerLine, format,
                 &releaseOwner, pOwner.get());
    if (!image.isNull())
        pOwner.release();
    return image;
}

VScreenGrab grabScreen(QScreen* pScreen)
{
    return grabScreens({pScreen});
}

VScreenGrab grabPlace(const QList<QScreen*>& screens)
{
    QRect device;
    for (const QScreen* pScreen : screens) {
        if (pScreen)
            device |= deviceGeometry(pScreen);
    }
    if (device.isEmpty())
        return {};
    if (screens.size() == 1)
        return {QImage(), screens.front()->geometry(), device};
    // Each screen keeps its top-left corner under a scale factor, so the toolkit's rectangle
    // around them starts where the device one does.
    const qreal ratio = screens.front()->devicePixelRatio();
    return {QImage(), QRect(device.topLeft(), (QSizeF(device.size()) / ratio).toSize()), device};
}

VScreenGrab grabScreens(const QList<QScreen*>& screens)
{
    QList<QScreen*> present = screens;
    present.removeAll(nullptr);
    VScreenGrab grab = grabPlace(present);
    if (grab.deviceGeometry.isEmpty())
        return {};
    grab.picture = grabThroughBackend(VPlatform::backend(), grab.deviceGeometry);
    if (grab.picture.isNull()) {
        QElapsedTimer clock;
        clock.start();
        grab.picture = grabThroughToolkit(present, grab.deviceGeometry);
        qCInfo(lcGrab, "Screen grab: %s by the toolkit's grab of %lld monitor(s) in %lld ms",
               loggedGeometry(grab.deviceGeometry).constData(), qint64(present.size()),
               clock.elapsed());
    }
    grab.picture.setDevicePixelRatio(present.front()->devicePixelRatio());
    return grab;
}

QImage grabDeviceArea(const QRect& deviceRect)
{
    for (QScreen* pScreen : QGuiApplication::screens()) {
        const QRect device = deviceGeometry(pScreen);
        if (!device.contains(deviceRect.center()))
            continue;
        const QRect area = deviceRect & device;
        // Many of these a second in a scrolling capture: too many to log each.
        QImage picture = grabDevicePixels(VPlatform::backend(), area);
        if (!picture.isNull())
            return picture;
        QImage screen = grabScreen(pScreen).picture;
        screen.setDevicePixelRatio(1);
        return screen.copy(area.translated(-device.topLeft()));
    }
    return QImage();
}

QScreen* dialogScreen(QWidget* pDialog)
{
    if (!pDialog)
        return QGuiApplication::primaryScreen();
    QScreen* pScreen = QGuiApplication::screenAt(pDialog->geometry().center());
    return pScreen ? pScreen : pDialog->screen();
}

QScreen* screenAt(const QPoint& globalPoint)
{
    QScreen* pScreen = QGuiApplication::screenAt(globalPoint);
    return pScreen ? pScreen : QGuiApplication::primaryScreen();
}

QList<QScreen*> desktopScreens(QScreen* pScreen)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    const bool bOneScale = std::all_of(screens.begin(), screens.end(), [pScreen](const QScreen* p) {
        return p->devicePixelRatio() == pScreen->devicePixelRatio();
    });
    return bOneScale ? screens : QList<QScreen*>{pScreen};
}

QList<QScreen*> screensTouching(const QRect& deviceRect)
{
    QList<QScreen*> touched;
    for (QScreen* pScreen : QGuiApplication::screens()) {
        if (deviceGeometry(pScreen).intersects(deviceRect))
            touched << pScreen;
    }
    return touched.isEmpty() ? QList<QScreen*>{QGuiApplication::primaryScreen()} : touched;
}

QRect deviceGeometry(const QScreen* pScreen)
{
    return pScreen ? scaled(pScreen->geometry(), pScreen) : QRect();
}

QRect deviceAvailableGeometry(const QScreen* pScreen)
{
    return pScreen ? scaled(pScreen->availableGeometry(), pScreen) : QRect();
}

QPoint toDevicePixels(const QPointF& globalPoint)
{
    const QScreen* pScreen = screenAt(globalPoint.toPoint());
    return pScreen ? rounded(scaled(globalPoint, pScreen)) : globalPoint.toPoint();
}
