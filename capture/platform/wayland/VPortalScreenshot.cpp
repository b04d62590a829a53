// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wayland/VPortalScreenshot.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QUrl>

#include <memory>
#include <utility>

namespace {
const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");

// The portal's answers in the Response signal.
constexpr uint kSuccess = 0;
constexpr uint kCancelled = 1;

// The file named by a successful answer, read into pixels of our own; the file goes.
VPlatformDesktopGrab readPicture(const QVariantMap& results)
{
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    if (!uri.isLocalFile())
        return {VPlatformDesktopGrab::End::Unreadable,
                {},
                "no picture file in the answer: " + uri.toString().toStdString()};
    const QString path = uri.toLocalFile();
    auto pImage = std::make_shared<QImage>(QImage(path).convertToFormat(QImage::Format_RGB32));
    QFile::remove(path);
    if (pImage->isNull())
        return {VPlatformDesktopGrab::End::Unreadable, {}, path.toStdString()};
    VPlatformImage image;
    image.format = VPlatformImage::Format::Rgb32;
    image.width = pImage->width();
    image.height = pImage->height();
    image.bytesPerLine = int(pImage->bytesPerLine());
    image.pixels = pImage->bits();
    image.owner = std::move(pImage);
    return {VPlatformDesktopGrab::End::Taken, std::move(image), {}};
}
} // namespace

void VPortalScreenshot::request(Done done, int timeoutMs)
{
    (new VPortalScreenshot(std::move(done), timeoutMs))->start();
}

VPortalScreenshot::VPortalScreenshot(Done done, int timeoutMs) : m_done(std::move(done))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        // The portal may still answer, with a file to remove: we keep listening for it.
        QDBusConnection::sessionBus().asyncCall(
            QDBusMessage::createMethodCall(kService, m_handle, kRequest, QStringLiteral("Close")));
        finish(VPlatformDesktopGrab::End::TimedOut);
    });
}

void VPortalScreenshot::start()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        // Answered from the event loop, like every other end.
        QTimer::singleShot(0, this, [this] {
            finish(VPlatformDesktopGrab::End::Unavailable, "no D-Bus session bus");
            deleteLater();
        });
        return;
    }
    const QString token = QStringLiteral("talvik%1").arg(QRandomGenerator::global()->generate());
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    listen(kPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token);

    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.portal.Screenshot"),
        QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap{{QStringLiteral("handle_token"), token},
                        {QStringLiteral("interactive"), false}};
    auto* pWatcher = new QDBusPendingCallWatcher(bus.asyncCall(call, m_timer.interval()), this);
    connect(pWatcher, &QDBusPendingCallWatcher::finished, this, &VPortalScreenshot::onCallFinished);
    m_timer.start();
}

bool VPortalScreenshot::listen(const QString& handle)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!m_handle.isEmpty())
        bus.disconnect(kService, m_handle, kRequest, QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap)));
    m_handle = handle;
    return bus.connect(kService, m_handle, kRequest, QStringLiteral("Response"), this,
                       SLOT(onResponse(uint, QVariantMap)));
}

void VPortalScreenshot::onCallFinished(QDBusPendingCallWatcher* pWatcher)
{
    pWatcher->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *pWatcher;
    if (reply.isError()) {
        const QDBusError::ErrorType type = reply.error().type();
        const bool silent = type == QDBusError::NoReply || type == QDBusError::Timeout;
        finish(silent ? VPlatformDesktopGrab::End::TimedOut
                      : VPlatformDesktopGrab::End::Unavailable,
               reply.error().message().toStdString());
        deleteLater();
        return;
    }
    // Portals older than the handle_token option choose their own path.
    if (reply.value().path() != m_handle)
        listen(reply.value().path());
}

void VPortalScreenshot::onResponse(uint response, const QVariantMap& results)
{
    deleteLater();
    if (response == kSuccess) {
        VPlatformDesktopGrab grab = readPicture(results);
        if (m_done) {
            m_timer.stop();
            std::exchange(m_done, nullptr)(std::move(grab));
        }
        return;
    }
    finish(response == kCancelled ? VPlatformDesktopGrab::End::Cancelled
                                  : VPlatformDesktopGrab::End::Refused);
}

void VPortalScreenshot::finish(VPlatformDesktopGrab::End end, const std::string& detail)
{
    m_timer.stop();
    if (m_done)
        std::exchange(m_done, nullptr)({end, {}, detail});
}
