// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <memory>
#include <vector>

// The desktop reached without the GUI toolkit, for a capture that only writes a file: such a
// process starts and ends in a fraction of the time, as it loads no toolkit platform, fonts or
// input methods. Only offered where the toolkit would pick the same desktop.
class VPlatformDirect
{
public:
    virtual ~VPlatformDirect() = default;

    virtual VPlatformBackend& backend() = 0;
    // The monitors in device pixels, the primary one first.
    virtual std::vector<VPlatformRect> monitors() = 0;
    // The pointer in device pixels; false when the desktop cannot tell.
    virtual bool pointerPosition(int& x, int& y) = 0;

protected:
    VPlatformDirect() = default;
    VPlatformDirect(const VPlatformDirect&) = delete;
    VPlatformDirect& operator=(const VPlatformDirect&) = delete;
};

namespace VPlatform {

// Provided by the backend folder the build picks: the desktop the toolkit would open, reached
// on a connection of its own, or nullptr when there is none or the toolkit is needed for it.
std::unique_ptr<VPlatformDirect> openDirectDesktop();

} // namespace VPlatform
