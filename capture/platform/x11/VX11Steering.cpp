// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/x11/VX11Steering.h"

#include "platform/x11/VXcbReply.h"

#include <xcb/xfixes.h>
#include <xcb/xtest.h>

#include <cstring>

namespace {
constexpr std::uint8_t kWheelUp = 4;
constexpr std::uint8_t kWheelDown = 5;
} // namespace

VX11Steering::VX11Steering(xcb_connection_t* pConnection, xcb_window_t root)
    : m_pConnection(pConnection), m_root(root)
{
    const xcb_query_extension_reply_t* pXtest = xcb_get_extension_data(m_pConnection, &xcb_test_id);
    m_bXtest = pXtest && pXtest->present;
    const xcb_query_extension_reply_t* pXfixes =
        xcb_get_extension_data(m_pConnection, &xcb_xfixes_id);
    if (pXfixes && pXfixes->present) {
        const VXcbReply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            m_pConnection, xcb_xfixes_query_version(m_pConnection, 4, 0), nullptr));
        // Hiding the pointer came with version 4.
        m_bHideCursor = version && version->major_version >= 4;
    }
}

xcb_atom_t VX11Steering::atom(const char* name) const
{
    const VXcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_pConnection, xcb_intern_atom(m_pConnection, 1, std::uint16_t(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_NONE);
}

std::uintptr_t VX11Steering::windowAt(int x, int y) const
{
    const VXcbReply<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
        m_pConnection,
        xcb_translate_coordinates(m_pConnection, m_root, m_root, std::int16_t(x), std::int16_t(y)),
        nullptr));
    return reply ? reply->child : 0;
}

std::uintptr_t VX11Steering::activeWindow() const
{
    const xcb_atom_t active = atom("_NET_ACTIVE_WINDOW");
    if (active == XCB_NONE)
        return 0;
    const VXcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_pConnection, xcb_get_property(m_pConnection, 0, m_root, active, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return *static_cast<const xcb_window_t*>(xcb_get_property_value(reply.get()));
}

bool VX11Steering::isManaged() const
{
    const xcb_atom_t check = atom("_NET_SUPPORTING_WM_CHECK");
    if (check == XCB_NONE)
        return false;
    const VXcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_pConnection, xcb_get_property(m_pConnection, 0, m_root, check, XCB_ATOM_WINDOW, 0, 1),
        nullptr));
    return reply && xcb_get_property_value_length(reply.get()) == 4;
}

bool VX11Steering::raiseWindow(std::uintptr_t window) const
{
    if (!window)
        return false;
    const auto target = xcb_window_t(window);
    if (isManaged()) {
        // A window manager owns stacking and focus: ask it, as a pager would.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = target;
        event.type = atom("_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 2; // from a pager: the user asked for it
        xcb_send_event(m_pConnection, 0, m_root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    }
    const std::uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(m_pConnection, target, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    xcb_set_input_focus(m_pConnection, XCB_INPUT_FOCUS_POINTER_ROOT, target, XCB_CURRENT_TIME);
    const VXcbReply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(m_pConnection, xcb_get_input_focus(m_pConnection), nullptr));
    return bool(sync);
}

void VX11Steering::movePointer(int x, int y) const
{
    xcb_warp_pointer(m_pConnection, XCB_NONE, m_root, 0, 0, 0, 0, std::int16_t(x), std::int16_t(y));
    xcb_flush(m_pConnection);
}

void VX11Steering::setPointerVisible(bool visible)
{
    if (!m_bHideCursor || visible != m_bPointerHidden)
        return;
    if (visible)
        xcb_xfixes_show_cursor(m_pConnection, m_root);
    else
        xcb_xfixes_hide_cursor(m_pConnection, m_root);
    m_bPointerHidden = !visible;
    xcb_flush(m_pConnection);
}

bool VX11Steering::turnWheel(int x, int y, int notches) const
{
    if (!m_bXtest)
        return false;
    movePointer(x, y);
    const std::uint8_t button = notches > 0 ? kWheelDown : kWheelUp;
    for (int i = 0; i < (notches > 0 ? notches : -notches); ++i) {
        xcb_test_fake_input(m_pConnection, XCB_BUTTON_PRESS, button, XCB_CURRENT_TIME, m_root, 0, 0,
                            0);
        xcb_test_fake_input(m_pConnection, XCB_BUTTON_RELEASE, button, XCB_CURRENT_TIME, m_root, 0,
                            0, 0);
    }
    // Round trip: the wheel has reached the server before the caller starts waiting.
    const VXcbReply<xcb_get_input_focus_reply_t> sync(
        xcb_get_input_focus_reply(m_pConnection, xcb_get_input_focus(m_pConnection), nullptr));
    return bool(sync);
}
