// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformDisplay.h"

namespace VPlatform {

// The toolkit's own backend on this platform needs no probe.
VDisplayProbe::VDisplayProbe() = default;

} // namespace VPlatform
