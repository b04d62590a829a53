// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <xcb/xcb.h>

#include <map>
#include <memory>
#include <vector>

class VX11ScreenGrab;
class VX11Steering;

// Hotkeys as passive key grabs on the root window; the window tree from the server's own
// stacking order, the cursor from xfixes, screen grabs through shared memory (plain requests
// when TALVIK_NO_SHM=1 or the server cannot share). The connection is borrowed (the toolkit's, so
// that the key presses arrive in its native event stream) and must outlive this object.
//
// A window's handle is its client window (the application's own, inside any frame), whose
// rectangle is the window's client area.
class VPlatformBackendX11 : public VPlatformBackend
{
public:
    // bSharedMemory false: screens are grabbed the plain way, which is the faster one for a
    // process that grabs once, as a fresh shared segment costs more to set up than it saves.
    explicit VPlatformBackendX11(xcb_connection_t* pConnection, bool bSharedMemory = true);
    ~VPlatformBackendX11() override;

    std::string name() const override { return "x11"; }
    void setHotkeyOwner(std::uintptr_t) override {}
    bool registerHotkey(int id, unsigned modifiers, unsigned virtualKey) override;
    void unregisterHotkey(int id) override;
    int hotkeyFromNativeEvent(const char* eventType, void* message) override;
    bool hasWindowTree() const override;
    bool hasCursorImage() const override;
    std::vector<VPlatformWindow> visibleWindows(const VPlatformRect& area) override;
    bool cursorImage(VPlatformCursor& cursor) override;
    bool canScrollWindows() const override;
    bool hasKeyGrabs() const override { return true; }
    std::uintptr_t windowAt(int x, int y) override;
    std::uintptr_t activeWindow() override;
    bool raiseWindow(std::uintptr_t window) override;
    void movePointer(int x, int y) override;
    void setPointerVisible(bool visible) override;
    bool turnWheel(int x, int y, int notches) override;
    VPlatformImage grabScreenImage(const VPlatformRect& area) override;
    void releaseGrabMemory() override;

    // The keysym a virtual key of the hotkey tables stands for, 0 for none.
    static std::uint32_t keysymOfVirtualKey(unsigned virtualKey);
    // The X modifier mask of the interface's modifier flags (Win is Mod4, Alt is Mod1).
    static std::uint16_t modifierMask(unsigned modifiers);

private:
    struct Grab
    {
        std::uint16_t modifiers = 0;
        // The NumLock modifier when the grab was made, ignored like Lock in key presses.
        std::uint16_t numLock = 0;
        std::vector<xcb_keycode_t> keycodes;
    };

    std::vector<xcb_keycode_t> keycodesOf(std::uint32_t keysym) const;
    std::uint16_t numLockMask() const;
    bool conflictsWithOtherId(int id, const Grab& grab) const;
    void ungrab(const Grab& grab);
    void sync();

    xcb_connection_t* const m_pConnection;
    xcb_window_t m_root = XCB_NONE;
    bool m_bShape = false;
    bool m_bXfixes = false;
    std::map<int, Grab> m_grabs;
    std::unique_ptr<VX11Steering> m_pSteering;
    std::unique_ptr<VX11ScreenGrab> m_pScreenGrab;
};
