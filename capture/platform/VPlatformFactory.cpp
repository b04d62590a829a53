// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFactory.h"

#include "platform/null/VPlatformBackendNull.h"
#include "platform/VPlatformBackend.h"

#include <QDebug>
#include <QGuiApplication>

namespace VPlatform {

VPlatformBackend& backend()
{
    // Never deleted: a native backend borrows the toolkit's display connection, which is gone by
    // the time static objects are destroyed, and the desktop drops our grabs with it anyway.
    static VPlatformBackend* const pBackend = [] {
        const std::string platform = QGuiApplication::platformName().toStdString();
        std::unique_ptr<VPlatformBackend> chosen = createNativeBackend(platform);
        if (!chosen)
            chosen = std::make_unique<VPlatformBackendNull>();
        qInfo("Platform layer: %s backend (toolkit platform \"%s\")", chosen->name().c_str(),
              platform.c_str());
        return chosen.release();
    }();
    return *pBackend;
}

} // namespace VPlatform
