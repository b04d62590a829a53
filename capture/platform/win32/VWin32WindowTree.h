// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <vector>

// The visible windows of the desktop, read with EnumWindows and the GetWindow child walk. A window
// that is hidden, minimised, cloaked by the compositor or shaped to nothing is left out, and so is
// one that vanishes while it is being read. Top-level windows measure their frame as drawn.
namespace VWin32WindowTree {

std::vector<VPlatformWindow> read(const VPlatformRect& area);

} // namespace VWin32WindowTree
