// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VPlatformDirect.h"

#include "platform/x11/VPlatformBackendX11.h"
#include "platform/x11/VXcbReply.h"

#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace {

// Whether the toolkit, left to itself, would open this X display rather than another desktop.
bool toolkitWouldUseX11()
{
    const char* pDisplay = std::getenv("DISPLAY");
    if (!pDisplay || !*pDisplay)
        return false;
    const char* pPlatform = std::getenv("QT_QPA_PLATFORM");
    if (pPlatform && *pPlatform)
        return std::strcmp(pPlatform, "xcb") == 0;
    const char* pSession = std::getenv("XDG_SESSION_TYPE");
    const char* pWayland = std::getenv("WAYLAND_DISPLAY");
    return !(pSession && std::strcmp(pSession, "wayland") == 0) && !(pWayland && *pWayland);
}

struct VXcbDisconnect
{
    void operator()(xcb_connection_t* p) const { xcb_disconnect(p); }
};
using VXcbConnection = std::unique_ptr<xcb_connection_t, VXcbDisconnect>;

class VPlatformDirectX11 : public VPlatformDirect
{
public:
    VPlatformDirectX11(VXcbConnection pConnection, const xcb_screen_t& screen)
        : m_pConnection(std::move(pConnection))
        , m_root(screen.root)
        , m_rootRect{0, 0, screen.width_in_pixels, screen.height_in_pixels}
        , m_backend(m_pConnection.get(), false)
    {
    }

    VPlatformBackend& backend() override { return m_backend; }
    std::vector<VPlatformRect> monitors() override;
    bool pointerPosition(int& x, int& y) override;

private:
    // Declared first, so it is closed after the backend has sent its last requests.
    const VXcbConnection m_pConnection;
    const xcb_window_t m_root;
    const VPlatformRect m_rootRect;
    VPlatformBackendX11 m_backend;
};

std::vector<VPlatformRect> VPlatformDirectX11::monitors()
{
    xcb_connection_t* pConnection = m_pConnection.get();
    const xcb_query_extension_reply_t* pRandr = xcb_get_extension_data(pConnection, &xcb_randr_id);
    std::vector<VPlatformRect> rects;
    if (pRandr && pRandr->present) {
        // Monitors came with version 1.5; an older server answers the request with an error.
        const VXcbReply<xcb_randr_query_version_reply_t> version(xcb_randr_query_version_reply(
            pConnection, xcb_randr_query_version(pConnection, 1, 5), nullptr));
        const bool bMonitors =
            version && (version->major_version > 1 ||
                        (version->major_version == 1 && version->minor_version >= 5));
        const VXcbReply<xcb_randr_get_monitors_reply_t> reply(
            bMonitors ? xcb_randr_get_monitors_reply(
                            pConnection, xcb_randr_get_monitors(pConnection, m_root, 1), nullptr)
                      : nullptr);
        if (reply) {
            for (auto it = xcb_randr_get_monitors_monitors_iterator(reply.get()); it.rem;
                 xcb_randr_monitor_info_next(&it)) {
                const VPlatformRect rect{it.data->x, it.data->y, it.data->width, it.data->height};
                if (rect.width <= 0 || rect.height <= 0)
                    continue;
                rects.insert(it.data->primary ? rects.begin() : rects.end(), rect);
            }
        }
    }
    if (rects.empty())
        rects.push_back(m_rootRect);
    return rects;
}

bool VPlatformDirectX11::pointerPosition(int& x, int& y)
{
    const VXcbReply<xcb_query_pointer_reply_t> reply(xcb_query_pointer_reply(
        m_pConnection.get(), xcb_query_pointer(m_pConnection.get(), m_root), nullptr));
    if (!reply || !reply->same_screen)
        return false;
    x = reply->root_x;
    y = reply->root_y;
    return true;
}

} // namespace

namespace VPlatform {

std::unique_ptr<VPlatformDirect> openDirectDesktop()
{
    if (!toolkitWouldUseX11())
        return nullptr;
    VXcbConnection pConnection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(pConnection.get()))
        return nullptr;
    xcb_prefetch_extension_data(pConnection.get(), &xcb_randr_id);
    const xcb_screen_iterator_t screens =
        xcb_setup_roots_iterator(xcb_get_setup(pConnection.get()));
    if (screens.rem <= 0)
        return nullptr;
    const xcb_screen_t& screen = *screens.data;
    return std::make_unique<VPlatformDirectX11>(std::move(pConnection), screen);
}

} // namespace VPlatform
