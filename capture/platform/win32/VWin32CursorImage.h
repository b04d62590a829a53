// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

// The pointer's current picture from GetCursorInfo and GetIconInfo: colour cursors with or
// without an alpha channel, and monochrome ones whose mask holds the AND half above the XOR half.
// False while the pointer is hidden or its picture cannot be read.
namespace VWin32CursorImage {

bool read(VPlatformCursor& cursor);

} // namespace VWin32CursorImage
