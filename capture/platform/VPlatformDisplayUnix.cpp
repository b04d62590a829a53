// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformDisplay.h"

#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

namespace VPlatform {

namespace {

// The problem, or empty with the connection kept in hold.
std::string probe(std::shared_ptr<void>& hold)
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform && std::string(platform).rfind("xcb", 0) != 0)
        return {}; // another backend was asked for: it reports its own problems
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) {
        // The toolkit takes a Wayland session's compositor then.
        const char* session = std::getenv("XDG_SESSION_TYPE");
        const char* wayland = std::getenv("WAYLAND_DISPLAY");
        if (session && std::string(session) == "wayland" && wayland && *wayland)
            return {};
        return "no display: DISPLAY is not set";
    }
    // X servers drop some of the connections that arrive at the same moment; a display that
    // answers again a little later is there.
    constexpr int kAttempts = 10;
    for (int attempt = 1;; ++attempt) {
        xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
        const int error = xcb_connection_has_error(connection);
        if (!error) {
            hold.reset(connection,
                       [](void* p) { xcb_disconnect(static_cast<xcb_connection_t*>(p)); });
            return {};
        }
        xcb_disconnect(connection);
        if (error != XCB_CONN_ERROR || attempt == kAttempts)
            return std::string("cannot connect to X display \"") + display + "\"";
        std::this_thread::sleep_for(std::chrono::milliseconds(20 * attempt));
    }
}

} // namespace

VDisplayProbe::VDisplayProbe() : m_problem(probe(m_connection)) {}

} // namespace VPlatform
