#include "grab/VScreenGrabLater.h"

#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <QCoreApplication>
#include <QPointer>
#include <QScreen>

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("VScreenGrabLater", text);
}

QString whyNot(const VPlatformDesktopGrab& answer)
{
    const QString detail = QString::fromStdString(answer.detail);
    switch (answer.end) {
    case VPlatformDesktopGrab::End::Taken:
        break;
    case VPlatformDesktopGrab::End::Unavailable:
        return tr("The desktop's screenshot service cannot be reached (%1).").arg(detail);
    case VPlatformDesktopGrab::End::Refused:
        return tr("The desktop refused to take a screenshot.");
    case VPlatformDesktopGrab::End::Cancelled:
        return tr("The screenshot was cancelled.");
    case VPlatformDesktopGrab::End::TimedOut:
        return tr("The desktop's screenshot service did not answer in time.");
    case VPlatformDesktopGrab::End::Unreadable:
        return tr("The desktop's screenshot could not be read (%1).").arg(detail);
    }
    return {};
}

// The service pictures all monitors as the compositor lays them out, at one scale of its
// choosing; the capture wants one monitor in its own device pixels.
VScreenGrab cutScreen(QImage desktop, QScreen* pScreen)
{
    const QRect layout = pScreen->virtualGeometry();
    const QRect geometry = pScreen->geometry();
    const QRect device = deviceGeometry(pScreen);
    const double factor = double(desktop.width()) / layout.width();
    const QRect area = QRectF(QPointF(geometry.topLeft() - layout.topLeft()) * factor,
                              QSizeF(geometry.size()) * factor)
                           .toAlignedRect();
    QImage picture = area == desktop.rect() ? std::move(desktop) : desktop.copy(area);
    if (picture.size() != device.size())
        picture = picture.scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(pScreen->devicePixelRatio());
    return {std::move(picture), geometry, device};
}
} // namespace

void grabScreenLater(QScreen* pScreen, QObject* pContext, ScreenGrabDone done)
{
    VPlatformBackend& backend = VPlatform::backend();
    if (!backend.grabsThroughService()) {
        // An empty picture is the caller's to judge, as before there were services to ask.
        done(grabScreen(pScreen), QString());
        return;
    }
    QPointer<QObject> context(pContext);
    QPointer<QScreen> screen(pScreen);
    backend.requestDesktopGrab(
        [context, screen, done = std::move(done)](VPlatformDesktopGrab answer) {
            if (!context)
                return;
            if (answer.end != VPlatformDesktopGrab::End::Taken) {
                done({}, whyNot(answer));
                return;
            }
            QImage desktop = wrapPlatformImage(std::move(answer.image));
            if (!screen || desktop.isNull()) {
                done({}, tr("The screen could not be grabbed."));
                return;
            }
            done(cutScreen(std::move(desktop), screen), QString());
        });
}
