#pragma once

// Qt key codes of hotkeys in the interface's vocabulary: Windows modifier flags and virtual keys.
class VHotkeyTable
{
public:
    // The modifier flags (VPlatformBackend::ModAlt and its sisters) of a key code's Alt, Control,
    // Shift and Meta bits.
    static unsigned modifierFlags(int key);

    // The virtual key of the key code without those four bits (any other bit, such as the keypad
    // one, is part of the key), or 0 when the key cannot be a hotkey.
    static unsigned virtualKey(int key);

    VHotkeyTable() = delete;
};
