// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grab/VScreenGrabLater.h"

#include "grab/VLogGrab.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QScreen>

namespace {
// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VScreenGrabLater)
};

QString whyNot(const VPlatformDesktopGrab& answer)
{
    const QString detail = QString::fromStdString(answer.detail);
    switch (answer.end) {
    case VPlatformDesktopGrab::End::Taken:
        break;
    case VPlatformDesktopGrab::End::Unavailable:
        return Text::tr("The desktop's screenshot service cannot be reached (%1).").arg(detail);
    case VPlatformDesktopGrab::End::Refused:
        return Text::tr("The desktop refused to take a screenshot.");
    case VPlatformDesktopGrab::End::Cancelled:
        return Text::tr("The screenshot was cancelled.");
    case VPlatformDesktopGrab::End::TimedOut:
        return Text::tr("The desktop's screenshot service did not answer in time.");
    case VPlatformDesktopGrab::End::Unreadable:
        return Text::tr("The desktop's screenshot could not be read (%1).").arg(detail);
    }
    return {};
}

// The service pictures all monitors as the compositor lays them out, at one scale of its
// choosing; the capture wants its monitors in their own device pixels.
VScreenGrab cutScreens(QImage desktop, const QList<QScreen*>& screens)
{
    VScreenGrab grab = grabPlace(screens);
    const QRect layout = screens.front()->virtualGeometry();
    const double factor = double(desktop.width()) / layout.width();
    const QRect area = QRectF(QPointF(grab.geometry.topLeft() - layout.topLeft()) * factor,
                              QSizeF(grab.geometry.size()) * factor)
                           .toAlignedRect();
    QImage picture = area == desktop.rect() ? std::move(desktop) : desktop.copy(area);
    const QSize size = grab.deviceGeometry.size();
    if (picture.size() != size)
        picture = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(screens.front()->devicePixelRatio());
    grab.picture = std::move(picture);
    return grab;
}
} // namespace

void grabScreenLater(const QList<QScreen*>& screens, QObject* pContext, ScreenGrabDone done)
{
    VPlatformBackend& backend = VPlatform::backend();
    if (!backend.grabsThroughService()) {
        // An empty picture is the caller's to judge, as before there were services to ask.
        done(grabScreens(screens), QString());
        return;
    }
    QPointer<QObject> context(pContext);
    QList<QPointer<QScreen>> watched;
    for (QScreen* pScreen : screens)
        watched << pScreen;
    QElapsedTimer clock;
    clock.start();
    backend.requestDesktopGrab(
        [context, watched, clock, done = std::move(done)](VPlatformDesktopGrab answer) {
            if (!context)
                return;
            if (answer.end != VPlatformDesktopGrab::End::Taken) {
                const QString why = whyNot(answer);
                qCInfo(lcGrab,
                       "Screen grab: the desktop's screenshot service gave no picture "
                       "after %lld ms: %s",
                       clock.elapsed(), qUtf8Printable(why));
                done({}, why);
                return;
            }
            qCInfo(lcGrab, "Screen grab: %dx%d by the desktop's screenshot service in %lld ms",
                   answer.image.width, answer.image.height, clock.elapsed());
            QImage desktop = wrapPlatformImage(std::move(answer.image));
            QList<QScreen*> present;
            for (const QPointer<QScreen>& pScreen : watched) {
                if (pScreen)
                    present << pScreen;
            }
            // A monitor unplugged meanwhile takes its part of the picture with it.
            if (present.size() != watched.size() || present.isEmpty() || desktop.isNull()) {
                done({}, Text::tr("The screen could not be grabbed."));
                return;
            }
            done(cutScreens(std::move(desktop), present), QString());
        });
}
