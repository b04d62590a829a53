// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/wayland/VPlatformBackendWayland.h"

#include "platform/wayland/VPortalScreenshot.h"

#include <QtGlobal>

int VPlatformBackendWayland::timeoutMs()
{
    bool ok = false;
    const int fromEnvironment = qEnvironmentVariableIntValue("TALVIK_PORTAL_TIMEOUT_MS", &ok);
    return ok && fromEnvironment > 0 ? fromEnvironment : 30000;
}

void VPlatformBackendWayland::requestDesktopGrab(std::function<void(VPlatformDesktopGrab)> done)
{
    VPortalScreenshot::request(std::move(done), timeoutMs());
}
