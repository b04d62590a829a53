// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <xcb/xcb.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xtest.h>

#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

// Another X client on the test's display, with its own connection: it holds grabs the program
// under test must not get, types on the keyboard through XTEST, and owns windows of its own.
class VTestXClient
{
public:
    static constexpr std::uint32_t kNumLock = 0xff7f;
    static constexpr std::uint32_t kControl = 0xffe3;
    static constexpr std::uint32_t kShift = 0xffe1;
    static constexpr std::uint32_t kAlt = 0xffe9;
    static constexpr std::uint32_t kSuper = 0xffeb;
    static constexpr std::uint32_t kF1 = 0xffbe;
    static constexpr std::uint32_t kPrint = 0xff61;

    VTestXClient() : m_pConnection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_pConnection))
            return;
        m_root = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection)).data->root;
        m_pSymbols = xcb_key_symbols_alloc(m_pConnection);
    }
    ~VTestXClient()
    {
        if (m_pSymbols)
            xcb_key_symbols_free(m_pSymbols);
        xcb_disconnect(m_pConnection);
    }
    VTestXClient(const VTestXClient&) = delete;
    VTestXClient& operator=(const VTestXClient&) = delete;

    bool isConnected() const { return m_pSymbols != nullptr; }
    xcb_connection_t* connection() const { return m_pConnection; }
    xcb_window_t root() const { return m_root; }

    xcb_keycode_t keycode(std::uint32_t keysym) const
    {
        xcb_keycode_t* pCodes = xcb_key_symbols_get_keycode(m_pSymbols, keysym);
        const xcb_keycode_t code = pCodes ? pCodes[0] : XCB_NO_SYMBOL;
        std::free(pCodes);
        return code;
    }

    // A checked grab on the root: false when someone else holds the combination.
    bool grab(std::uint16_t modifiers, std::uint32_t keysym)
    {
        xcb_generic_error_t* pError = xcb_request_check(
            m_pConnection,
            xcb_grab_key_checked(m_pConnection, 1, m_root, modifiers, keycode(keysym),
                                 XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        std::free(pError);
        return pError == nullptr;
    }
    void ungrab(std::uint16_t modifiers, std::uint32_t keysym)
    {
        xcb_ungrab_key(m_pConnection, keycode(keysym), m_root, modifiers);
        sync();
    }

    // Presses the modifiers and the key, then lets them go in reverse order.
    void type(std::initializer_list<std::uint32_t> modifiers, std::uint32_t keysym)
    {
        std::vector<xcb_keycode_t> held;
        for (const std::uint32_t modifier : modifiers)
            held.push_back(keycode(modifier));
        held.push_back(keycode(keysym));
        for (const xcb_keycode_t code : held)
            fake(XCB_KEY_PRESS, code);
        for (auto it = held.rbegin(); it != held.rend(); ++it)
            fake(XCB_KEY_RELEASE, *it);
        sync();
    }

    // The keyboard's modifier and lock state now.
    std::uint16_t modifierState()
    {
        xcb_query_pointer_reply_t* pReply = xcb_query_pointer_reply(
            m_pConnection, xcb_query_pointer(m_pConnection, m_root), nullptr);
        const std::uint16_t mask = pReply ? pReply->mask : 0;
        std::free(pReply);
        return mask;
    }

    // A window of this client, not mapped yet.
    xcb_window_t createWindow(xcb_window_t parent, int x, int y, int width, int height,
                              int border = 0)
    {
        const xcb_window_t window = xcb_generate_id(m_pConnection);
        xcb_create_window(m_pConnection, XCB_COPY_FROM_PARENT, window, parent, x, y, width, height,
                          border, XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
        return window;
    }
    xcb_atom_t atom(const std::string& name)
    {
        xcb_intern_atom_reply_t* pReply = xcb_intern_atom_reply(
            m_pConnection, xcb_intern_atom(m_pConnection, 0, name.size(), name.data()), nullptr);
        const xcb_atom_t result = pReply ? pReply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(pReply);
        return result;
    }
    void setText(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, std::string text)
    {
        xcb_change_property(m_pConnection, XCB_PROP_MODE_REPLACE, window, property, type, 8,
                            text.size(), text.data());
    }
    void setValues(xcb_window_t window, xcb_atom_t property, xcb_atom_t type,
                   std::vector<std::uint32_t> values)
    {
        xcb_change_property(m_pConnection, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                            values.size(), values.data());
    }

    // Waits until the server has handled everything sent so far.
    void sync()
    {
        std::free(
            xcb_get_input_focus_reply(m_pConnection, xcb_get_input_focus(m_pConnection), nullptr));
    }

private:
    void fake(std::uint8_t type, xcb_keycode_t code)
    {
        xcb_test_fake_input(m_pConnection, type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    }

    xcb_connection_t* m_pConnection;
    xcb_window_t m_root = XCB_NONE;
    xcb_key_symbols_t* m_pSymbols = nullptr;
};
