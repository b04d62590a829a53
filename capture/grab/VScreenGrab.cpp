#include "VScreenGrab.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

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

} // namespace

VScreenGrab grabScreen(QScreen* pScreen)
{
    if (!pScreen)
        return {};
    const QRect geometry = pScreen->geometry();
    // Coordinates are relative to the screen itself.
    return {pScreen->grabWindow(0, 0, 0, geometry.width(), geometry.height()), geometry,
            deviceGeometry(pScreen)};
}

VScreenGrab grabDialogScreen(QWidget* pDialog)
{
    if (!pDialog)
        return grabScreen(QGuiApplication::primaryScreen());
    QScreen* pScreen = QGuiApplication::screenAt(pDialog->geometry().center());
    return grabScreen(pScreen ? pScreen : pDialog->screen());
}

QScreen* screenAt(const QPoint& globalPoint)
{
    QScreen* pScreen = QGuiApplication::screenAt(globalPoint);
    return pScreen ? pScreen : QGuiApplication::primaryScreen();
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
