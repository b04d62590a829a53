// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "interaction/VDrawingTool.h"

// The overlay's drawing tools in the order of its row: the core's, with the arrow after the
// line.
QList<VDrawingTool> overlayDrawingTools();
