// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <xcb/xcb.h>

#include <cstddef>
#include <memory>
#include <string>

// The screen's pixels straight into memory shared with the X server (MIT-SHM), a segment per
// grab that the picture then owns; plain GetImage requests where the server cannot share
// (another machine, no extension, segment limits). The segment of the last picture let go of
// is kept for the next grab: fresh memory costs a page fault per page on both sides. Root visuals
// of depth 24 and 32 (RGB) and 16 and 15 are understood; any other gives nothing, for the toolkit
// to grab instead.
class VX11ScreenGrab
{
public:
    // With bSharedMemory false every grab is a plain request.
    // The connection must outlive this object, not the pictures.
    VX11ScreenGrab(xcb_connection_t* pConnection, const xcb_screen_t& screen, bool bSharedMemory);
    ~VX11ScreenGrab();
    VX11ScreenGrab(const VX11ScreenGrab&) = delete;
    VX11ScreenGrab& operator=(const VX11ScreenGrab&) = delete;

    // area is in root coordinates. Format::None when the visual is not understood or the server
    // refuses both ways.
    VPlatformImage grab(const VPlatformRect& area);

    // Lets go of the segment kept for the next grab: between captures a tray program should
    // not hold a screen's worth of memory.
    void releaseSpare();

    // Why grabs do not go through shared memory for good, empty while they may.
    const std::string& whyNotShared() const { return m_whyNotShared; }

private:
    struct Segment
    {
        std::uint32_t seg = 0; // the server's name for it
        void* pAddress = nullptr;
        std::size_t bytes = 0;
    };
    class Spare;

    VPlatformImage grabShared(const VPlatformRect& area, std::string& why);
    VPlatformImage grabPlain(const VPlatformRect& area);
    int bytesPerLine(int width) const;
    // The grabbed area's pixels in the grab's format, kept alive by owner.
    VPlatformImage picture(const VPlatformRect& area, int stride, std::uint8_t* pPixels,
                           std::shared_ptr<void> owner) const;
    void toHostPixels(VPlatformImage& image) const;

    xcb_connection_t* const m_pConnection;
    const xcb_window_t m_root;
    const std::uint8_t m_depth;
    VPlatformImage::Format m_format = VPlatformImage::Format::None;
    int m_bitsPerPixel = 0;
    int m_scanlinePad = 0;
    bool m_bSwapBytes = false;
    bool m_bShared = false;
    std::string m_whyNotShared;
    std::shared_ptr<Spare> m_pSpare;
};
