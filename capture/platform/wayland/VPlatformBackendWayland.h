// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/null/VPlatformBackendNull.h"

// Wayland lets no program read the screen, other programs' windows or keys pressed elsewhere:
// beyond what the null backend refuses, grabs are requests to the freedesktop Screenshot
// portal, and the desktop's own settings bind keys to our command line.
class VPlatformBackendWayland : public VPlatformBackendNull
{
public:
    std::string name() const override { return "wayland"; }
    bool hidesOtherWindows() const override { return true; }
    bool grabsThroughService() const override { return true; }
    void requestDesktopGrab(std::function<void(VPlatformDesktopGrab)> done) override;
    bool placesOwnWindows() const override { return false; }

    // How long the portal may take, the user's confirmation included; TALVIK_PORTAL_TIMEOUT_MS
    // overrides it.
    static int timeoutMs();
};
