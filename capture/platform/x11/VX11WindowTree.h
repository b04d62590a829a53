// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <xcb/xcb.h>

#include <memory>
#include <vector>

// Reads the visible windows of one X screen. Each stage sends its requests for every window at
// once and only then collects the replies, so a desktop of hundreds of windows costs a handful of
// round trips. A window whose request fails (it vanished meanwhile) is left out.
class VX11WindowTree
{
public:
    // The connection is borrowed; bShape says whether the server has the shape extension.
    VX11WindowTree(xcb_connection_t* pConnection, xcb_window_t root, bool bShape);
    ~VX11WindowTree();
    VX11WindowTree(const VX11WindowTree&) = delete;
    VX11WindowTree& operator=(const VX11WindowTree&) = delete;

    // The viewable top-level windows that meet area, front-most first, with their children.
    std::vector<VPlatformWindow> read(const VPlatformRect& area);

private:
    struct Node;
    struct Geometry;
    struct Description;

    void internAtoms();
    std::vector<xcb_window_t> frontToBackChildren(xcb_window_t window);
    std::vector<Geometry> measure(const std::vector<xcb_window_t>& windows);
    std::vector<xcb_window_t> findClients(const std::vector<xcb_window_t>& frames,
                                          const std::vector<bool>& settled);
    std::vector<Description> describe(const std::vector<xcb_window_t>& windows,
                                      const std::vector<bool>& topLevel);
    std::vector<std::unique_ptr<Node>> readTopLevels(const VPlatformRect& area);
    void readChildren(std::vector<Node*> level, const VPlatformRect& area);

    xcb_connection_t* const m_pConnection;
    const xcb_window_t m_root;
    const bool m_bShape;
    xcb_atom_t m_netWmName = XCB_ATOM_NONE;
    xcb_atom_t m_utf8String = XCB_ATOM_NONE;
    xcb_atom_t m_wmState = XCB_ATOM_NONE;
    xcb_atom_t m_gtkFrameExtents = XCB_ATOM_NONE;
};
