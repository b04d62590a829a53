// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <xcb/xcb.h>

#include <cstdint>

// What a scrolling capture does to another program on X11: find its window, raise and focus
// it, move and hide the pointer, and turn the wheel through XTEST as a user's hand would.
class VX11Steering
{
public:
    VX11Steering(xcb_connection_t* pConnection, xcb_window_t root);

    bool isAvailable() const { return m_bXtest; }
    std::uintptr_t windowAt(int x, int y) const;
    // The program's window the window manager calls active, as the window tree names it.
    std::uintptr_t activeWindow() const;
    bool raiseWindow(std::uintptr_t window) const;
    void movePointer(int x, int y) const;
    void setPointerVisible(bool visible);
    bool turnWheel(int x, int y, int notches) const;

private:
    xcb_atom_t atom(const char* name) const;
    bool isManaged() const;

    xcb_connection_t* const m_pConnection;
    const xcb_window_t m_root;
    bool m_bXtest = false;
    bool m_bHideCursor = false;
    bool m_bPointerHidden = false;
};
