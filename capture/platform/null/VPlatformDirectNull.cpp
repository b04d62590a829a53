// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformDirect.h"

namespace VPlatform {

std::unique_ptr<VPlatformDirect> openDirectDesktop()
{
    return nullptr;
}

} // namespace VPlatform
