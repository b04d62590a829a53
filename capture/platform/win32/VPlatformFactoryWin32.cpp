// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFactory.h"

#include "platform/win32/VPlatformBackendWin32.h"

namespace VPlatform {

std::unique_ptr<VPlatformBackend> createNativeBackend(const std::string& toolkitPlatform)
{
    if (toolkitPlatform != "windows")
        return nullptr;
    return std::make_unique<VPlatformBackendWin32>();
}

} // namespace VPlatform
