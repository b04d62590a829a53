// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <QDBusObjectPath>
#include <QObject>
#include <QTimer>
#include <QVariantMap>

#include <functional>

class QDBusPendingCallWatcher;

// One non-interactive Screenshot request to the desktop portal. The portal answers through
// the Response signal of a Request object whose path follows from our bus name and a token of
// ours, so we listen there before asking. The picture's file is read and removed; one that
// arrives after we gave up is removed too. Deletes itself once the portal has answered.
class VPortalScreenshot : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(VPlatformDesktopGrab)>;

    // Starts the request; done runs once, from the event loop.
    static void request(Done done, int timeoutMs);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    VPortalScreenshot(Done done, int timeoutMs);

    void start();
    void onCallFinished(QDBusPendingCallWatcher* pWatcher);
    bool listen(const QString& handle);
    void finish(VPlatformDesktopGrab::End end, const std::string& detail = {});

    Done m_done;
    QString m_handle;
    QTimer m_timer;
};
