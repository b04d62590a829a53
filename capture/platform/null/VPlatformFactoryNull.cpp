// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformFactory.h"

#include "platform/VPlatformBackend.h"

namespace VPlatform {

std::unique_ptr<VPlatformBackend> createNativeBackend(const std::string&)
{
    return nullptr;
}

} // namespace VPlatform
