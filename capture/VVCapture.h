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
