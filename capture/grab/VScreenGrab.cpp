#include "VScreenGrab.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

VScreenGrab grabScreen(QScreen* pScreen)
{
    if (!pScreen)
        return {};
    const QRect geometry = pScreen->geometry();
    // Coordinates are relative to the screen itself.
    return {pScreen->grabWindow(0, 0, 0, geometry.width(), geometry.height()), geometry};
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
