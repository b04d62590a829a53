// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

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

    // Whether the key code lacks the Ctrl, Alt or Win it needs: other programs use letters,
    // digits and named keys (with Shift too) as they are, so a hotkey on them alone would take
    // them away everywhere. The function keys, Print Screen and Pause may stand alone.
    static bool needsModifier(int key);

    VHotkeyTable() = delete;
};
