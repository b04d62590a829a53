// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QtGui/qwindowdefs.h>

class VHotkey;
class VPlatformBackend;

// System-wide hotkeys of the capture modes. All on the GUI thread.

// The identifier a mode's hotkey carries in native events: 0xC000 + mode.
constexpr int kHotkeyIdBase = 0xC000;
inline int hotkeyId(int mode)
{
    return kHotkeyIdBase + mode;
}

// The native window that owns the hotkeys (the main dialog's). Until it is given, applyHotkey
// installs nothing; 0 takes it back.
void setHotkeyOwnerWindow(WId window);

// Withdraws the mode's hotkey and installs the given one. On success stores it as the mode's
// hotkey in VConfigCapture and returns true. On failure returns false with the reason in error
// for the user ("Hotkey setting is empty.", "... is not a valid hotkey", a key that needs Ctrl,
// Alt or Win, "Failed to set hotkey: ..." naming the mode that has it when it is another
// mode's), empty when no owner window is set; the mode then has no active hotkey and the stored
// one is unchanged.
bool applyHotkey(int mode, const VHotkey& hotkey, QString& error);

// Withdraws the mode's hotkey, if it has one.
void removeHotkey(int mode);

// While a hotkey field records, the active hotkeys are withdrawn from the desktop, so that
// pressing one is recorded instead of starting its capture; applyHotkey still asks the desktop
// about a new one, then holds it back too. Calls nest; the last resume installs them all again.
void suspendHotkeys();
void resumeHotkeys();

// The backend the hotkeys go through: the process's platform backend unless one was set.
VPlatformBackend& hotkeyBackend();

// Routes hotkeys through another backend (tests); nullptr goes back to the platform's. Hotkeys
// installed before stay with the backend that installed them.
void setHotkeyBackend(VPlatformBackend* pBackend);
