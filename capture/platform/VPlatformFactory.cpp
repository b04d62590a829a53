// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFactory.h"

#include "platform/null/VPlatformBackendNull.h"
#include "platform/VPlatformBackend.h"

#include <QGuiApplication>
#include <QLoggingCategory>

namespace {
// Quiet unless asked for (QT_LOGGING_RULES="talvik.platform.info=true"): a script's standard
// error holds only what went wrong.
Q_LOGGING_CATEGORY(lcPlatform, "talvik.platform", QtWarningMsg)
} // namespace

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
        qCInfo(lcPlatform, "Platform layer: %s backend (toolkit platform \"%s\")",
               chosen->name().c_str(), platform.c_str());
        return chosen.release();
    }();
    return *pBackend;
}

} // namespace VPlatform
