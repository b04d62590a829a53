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

} // namespace VV
