// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFactory.h"

#include "platform/null/VPlatformBackendNull.h"
#include "platform/VLogPlatform.h"
#include "platform/VPlatformBackend.h"

#include <QGuiApplication>

namespace {
const char* yesNo(bool b)
{
    return b ? "yes" : "no";
}
} // namespace

namespace VPlatform {

VPlatformBackend& backend()
{
    // Never deleted: a native backend borrows the toolkit's display connection, which is gone by
    // the time static objects are destroyed, and the desktop drops our grabs with it anyway.
    static VPlatformBackend* const pBackend = [] {
        const std::string platform = QGuiApplication::platformName().toStdString();
        std::unique_ptr<VPlatformBackend> chosen = createNativeBackend(platform);
        const bool bNative = bool(chosen);
        if (!chosen)
            chosen = std::make_unique<VPlatformBackendNull>();
        // Quiet unless asked for: a script's standard error holds only what went wrong.
        qCInfo(lcPlatform, "Platform layer: %s backend (toolkit platform \"%s\"%s)",
               chosen->name().c_str(), platform.c_str(),
               bNative ? "" : ", which no native backend serves");
        qCInfo(lcPlatform,
               "Platform layer can: window tree %s, cursor image %s, key grabs %s, scrolling "
               "other windows %s, grabs only through a desktop service %s",
               yesNo(chosen->hasWindowTree()), yesNo(chosen->hasCursorImage()),
               yesNo(chosen->hasKeyGrabs()), yesNo(chosen->canScrollWindows()),
               yesNo(chosen->grabsThroughService()));
        return chosen.release();
    }();
    return *pBackend;
}

} // namespace VPlatform
