// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/VWin32CursorImage.h"

#include "platform/win32/VWin32Gdi.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t kOpaque = 0xff000000u;
constexpr std::uint32_t kRgb = 0x00ffffffu;

// A bitmap's pixels as 32 bits each (0xAARRGGBB as stored), top row first.
bool readPixels(HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>& pixels)
{
    const VMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc)
        return false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.assign(std::size_t(width) * std::size_t(height), 0);
    return GetDIBits(dc.get(), bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS) ==
           height;
}

// The screen shows (beneath AND mask) XOR colour. Where the mask is clear the colour stands on
// its own; where it is set the colour alters what lies beneath, pictured here over a white page,
// and a black colour leaves it untouched.
std::uint32_t maskedPixel(bool bAnd, std::uint32_t xorColour)
{
    const std::uint32_t rgb = xorColour & kRgb;
    if (!bAnd)
        return kOpaque | rgb;
    return rgb == 0 ? 0 : kOpaque | (~rgb & kRgb);
}

std::uint32_t premultiplied(std::uint32_t pixel)
{
    const std::uint32_t alpha = pixel >> 24;
    const auto scaled = [alpha](std::uint32_t channel) { return (channel * alpha + 127) / 255; };
    return (alpha << 24) | (scaled((pixel >> 16) & 0xff) << 16) |
           (scaled((pixel >> 8) & 0xff) << 8) | scaled(pixel & 0xff);
}

// A monochrome cursor's mask is twice its height: the AND half above the XOR half.
bool readMonochrome(HBITMAP mask, const BITMAP& size, VPlatformCursor& cursor)
{
    std::vector<std::uint32_t> halves;
    const int height = size.bmHeight / 2;
    if (height <= 0 || !readPixels(mask, size.bmWidth, 2 * height, halves))
        return false;
    cursor.width = size.bmWidth;
    cursor.height = height;
    const std::size_t count = std::size_t(size.bmWidth) * std::size_t(height);
    cursor.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        cursor.pixels[i] = maskedPixel((halves[i] & kRgb) != 0, halves[count + i]);
    return true;
}

bool readColour(HBITMAP colour, HBITMAP mask, const BITMAP& size, VPlatformCursor& cursor)
{
    std::vector<std::uint32_t> pixels;
    if (!readPixels(colour, size.bmWidth, size.bmHeight, pixels))
        return false;
    cursor.width = size.bmWidth;
    cursor.height = size.bmHeight;
    const bool bAlpha = std::any_of(pixels.begin(), pixels.end(),
                                    [](std::uint32_t pixel) { return (pixel >> 24) != 0; });
    if (bAlpha) {
        // Cursors keep their alpha straight, as icon files do.
        std::transform(pixels.begin(), pixels.end(), pixels.begin(), premultiplied);
    } else {
        std::vector<std::uint32_t> andMask;
        if (!mask || !readPixels(mask, size.bmWidth, size.bmHeight, andMask))
            andMask.assign(pixels.size(), 0);
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = maskedPixel((andMask[i] & kRgb) != 0, pixels[i]);
    }
    cursor.pixels = std::move(pixels);
    return true;
}

} // namespace

namespace VWin32CursorImage {

bool read(VPlatformCursor& cursor)
{
    CURSORINFO info{};
    info.cbSize = sizeof(info); // 24 on 64-bit Windows: a fixed 20 is refused there
    if (!GetCursorInfo(&info) || !(info.flags & CURSOR_SHOWING) || !info.hCursor)
        return false;
    ICONINFO icon{};
    if (!GetIconInfo(info.hCursor, &icon))
        return false;
    const VGdiObject<HBITMAP> mask(icon.hbmMask);
    const VGdiObject<HBITMAP> colour(icon.hbmColor);
    BITMAP size{};
    if (!GetObjectW(colour ? colour.get() : mask.get(), sizeof(size), &size) || size.bmWidth <= 0)
        return false;
    VPlatformCursor read;
    if (colour ? !readColour(colour.get(), mask.get(), size, read)
               : !readMonochrome(mask.get(), size, read))
        return false;
    read.hotX = int(icon.xHotspot);
    read.hotY = int(icon.yHotspot);
    read.x = info.ptScreenPos.x;
    read.y = info.ptScreenPos.y;
    cursor = std::move(read);
    return true;
}

} // namespace VWin32CursorImage
