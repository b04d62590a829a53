// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Enumerations of the capture application.
namespace VV {

enum enumCaptureMode
{
    CaptureRegion = 0,
    CaptureWindow = 1,
    CaptureScrolling = 2,
    CaptureFullScreen = 3,
};

// Stored as an int in "RegionType": the shape the region mode picks.
enum enumRegionType
{
    RegionRectangle = 0,
    RegionPolygon = 1,
};

// Stored as an int in "NameMethod": how a file to write gets its name.
enum enumNameMethod
{
    NameAsk = 0,
    NameAutomatic = 1,
};

enum enumOutputTarget
{
    OutputClipboard = 1,
    OutputFile = 2,
};

} // namespace VV
