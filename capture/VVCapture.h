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

enum enumOutputTarget
{
    OutputClipboard = 1,
    OutputFile = 2,
};

} // namespace VV
