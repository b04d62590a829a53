// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Enumerations shared by the core library and the programs built on it.
namespace VV {

// Stored as an int in "TargetFormat".
enum enumTargetFormat
{
    TargetFormatPng = 0,
    TargetFormatJpg = 1,
    TargetFormatBmp = 2,
};

// Where an event filter stands in its scene's list: smaller values are asked first.
enum enumFilterPriority
{
    FilterPriorityCreatePrompt = 0,
    FilterPriorityHigh = 1,
    FilterPriorityNormal = 2,
    FilterPriorityLow = 3,
};

// Where a grip is in its drag.
enum enumGripDragStatus
{
    GripIdle = 0,
    GripPressed = 1,
    GripDragging = 2,
    // Transient: the drag has just ended; the status is back to idle at once.
    GripReleased = 3,
};

} // namespace VV
