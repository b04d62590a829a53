// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>

class QScreen;
class QWidget;
class VPlatformBackend;
struct VPlatformImage;

struct VScreenGrab
{
    // In device pixels; its device pixel ratio is the screen's. Move it on rather than copy
    // it before painting into it: a shared picture is copied whole at the first stroke.
    QImage picture;
    QRect geometry; // the monitor's geometry in global coordinates
    // The same in the desktop's device pixels, which the picture and the window tree use.
    QRect deviceGeometry;
};

// Grabs one monitor, never the whole virtual desktop.
VScreenGrab grabScreen(QScreen* pScreen);
// Grabs the rectangle around the given monitors as one picture, at the first one's scale.
VScreenGrab grabScreens(const QList<QScreen*>& screens);
// Where a grab of these monitors (none of them null) lies, without its picture.
VScreenGrab grabPlace(const QList<QScreen*>& screens);

// An area of the desktop in device pixels, cut to the screen that holds its centre: only that
// area where the backend can grab it, else cut from its screen's grab. Null off every screen.
QImage grabDeviceArea(const QRect& deviceRect);

// The backend's own grab of an area of one screen (device pixels); null where it grabs nothing
// itself. How it went and its time go to talvik.grab.
QImage grabThroughBackend(VPlatformBackend& backend, const QRect& deviceRect);

// The backend's pixels as an image that owns them, without a copy; null for a picture with no
// format (the backend grabs nothing itself).
QImage wrapPlatformImage(VPlatformImage&& grabbed);

// The monitor that holds the dialog (the one a capture is for); hidden at this point, its last
// geometry decides.
QScreen* dialogScreen(QWidget* pDialog);

// The monitor under the given global point, or the primary one when none is there.
QScreen* screenAt(const QPoint& globalPoint);

// The monitors a window picker shows at once, so that a window reaching over to another monitor
// can be picked whole: all of them where they share pScreen's scale (the picture is shown one
// to one), else pScreen alone.
QList<QScreen*> desktopScreens(QScreen* pScreen);
// The monitors an area of the desktop (device pixels) lies on, the primary one when none.
QList<QScreen*> screensTouching(const QRect& deviceRect);

// Under a scale factor the toolkit's coordinates are not the desktop's: a screen keeps its
// top-left corner and is scaled from there. These give the desktop's device pixels.
QRect deviceGeometry(const QScreen* pScreen);
QRect deviceAvailableGeometry(const QScreen* pScreen); // the work area, without panels
// A global point of the toolkit in device pixels. Pass an event's fractional position where
// there is one: whole logical points are rounded and may be a device pixel off.
QPoint toDevicePixels(const QPointF& globalPoint);
