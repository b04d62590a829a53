// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <windows.h>

#include <set>

// Hotkeys registered on the owner window (or, without one, on the calling thread) and recognised
// in the WM_HOTKEY messages the toolkit's native event filters see; the window tree, the cursor
// and the steering of other programs' windows through user32. The interface's modifier flags and
// virtual keys are the system's own. Screens are grabbed by the toolkit, which uses the same
// BitBlt a backend would.
class VPlatformBackendWin32 : public VPlatformBackend
{
public:
    VPlatformBackendWin32() = default;
    ~VPlatformBackendWin32() override;

    std::string name() const override { return "win32"; }
    void setHotkeyOwner(std::uintptr_t nativeWindow) override;
    bool registerHotkey(int id, unsigned modifiers, unsigned virtualKey) override;
    void unregisterHotkey(int id) override;
    int hotkeyFromNativeEvent(const char* eventType, void* message) override;
    // RegisterHotKey is system-wide: its keys arrive whichever program has the focus.
    bool hasKeyGrabs() const override { return true; }
    bool hasWindowTree() const override { return true; }
    bool hasCursorImage() const override { return true; }
    std::vector<VPlatformWindow> visibleWindows(const VPlatformRect& area) override;
    bool cursorImage(VPlatformCursor& cursor) override;
    bool canScrollWindows() const override { return true; }
    std::uintptr_t windowAt(int x, int y) override;
    std::uintptr_t activeWindow() override;
    bool raiseWindow(std::uintptr_t window) override;
    void movePointer(int x, int y) override;
    void setPointerVisible(bool visible) override;
    bool turnWheel(int x, int y, int notches) override;

private:
    void unregisterAll();

    HWND m_owner = nullptr;
    std::set<int> m_ids;
    bool m_bPointerHidden = false;
    HCURSOR m_shownCursor = nullptr;
};
