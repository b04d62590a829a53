// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/VWin32WindowTree.h"

#include "platform/win32/VWin32Gdi.h"

#include <dwmapi.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>

namespace {

constexpr int kMaxChildDepth = 32;
// More siblings than any real dialog has: a walk that keeps finding new ones is running along a
// list that is being rebuilt under it.
constexpr std::size_t kMaxSiblings = 10000;
constexpr int kMaxClassName = 256;

// The interface speaks UTF-8; the system hands out UTF-16.
std::string utf8FromWide(const wchar_t* pText, int length)
{
    if (!pText || length <= 0)
        return {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, pText, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string text(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, pText, length, text.data(), bytes, nullptr, nullptr);
    return text;
}

VPlatformRect rectOf(const RECT& rect)
{
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool meets(const VPlatformRect& a, const VPlatformRect& b)
{
    return a.width > 0 && a.height > 0 && b.width > 0 && b.height > 0 && a.x < b.x + b.width &&
           b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

std::string titleOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    if (length <= 0)
        return {};
    std::wstring text(std::size_t(length) + 1, L'\0');
    return utf8FromWide(text.data(), GetWindowTextW(window, text.data(), length + 1));
}

std::string classOf(HWND window)
{
    wchar_t name[kMaxClassName];
    return utf8FromWide(name, GetClassNameW(window, name, kMaxClassName));
}

// The window region's rectangles, made relative to the visible rectangle and cut to it; empty when
// the window is rectangular. The region is measured from outer's top-left. False when it leaves
// nothing of the window to see.
bool readShape(HWND window, const RECT& outer, const VPlatformRect& visible,
               std::vector<VPlatformRect>& shape)
{
    const VGdiObject<HRGN> region(CreateRectRgn(0, 0, 0, 0));
    if (!region)
        return true;
    const int kind = GetWindowRgn(window, region.get());
    if (kind == NULLREGION)
        return false;
    if (kind != SIMPLEREGION && kind != COMPLEXREGION)
        return true; // no region: the whole rectangle shows
    const DWORD bytes = GetRegionData(region.get(), 0, nullptr);
    if (bytes < sizeof(RGNDATAHEADER))
        return true;
    std::vector<DWORD> storage((bytes + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* pData = reinterpret_cast<RGNDATA*>(storage.data());
    if (GetRegionData(region.get(), bytes, pData) != bytes || pData->rdh.iType != RDH_RECTANGLES)
        return true;
    const LONG dx = outer.left - visible.x;
    const LONG dy = outer.top - visible.y;
    const auto* pRects = reinterpret_cast<const RECT*>(pData->Buffer);
    for (DWORD i = 0; i < pData->rdh.nCount; ++i) {
        const RECT r{std::max<LONG>(pRects[i].left + dx, 0), std::max<LONG>(pRects[i].top + dy, 0),
                     std::min<LONG>(pRects[i].right + dx, visible.width),
                     std::min<LONG>(pRects[i].bottom + dy, visible.height)};
        if (r.left < r.right && r.top < r.bottom)
            shape.push_back(rectOf(r));
    }
    if (shape.empty())
        return false;
    if (shape.size() == 1 && shape[0].x == 0 && shape[0].y == 0 &&
        shape[0].width == visible.width && shape[0].height == visible.height)
        shape.clear();
    return true;
}

// Windows hidden by the compositor (on another virtual desktop, suspended apps) still count as
// visible to user32.
bool isCloaked(HWND window)
{
    DWORD cloaked = 0;
    return SUCCEEDED(DwmGetWindowAttribute(window, DWMWA_CLOAKED, &cloaked, sizeof(cloaked))) &&
           cloaked != 0;
}

// The frame as drawn: the compositor counts invisible resize borders into the window rectangle.
RECT visibleFrame(HWND window, const RECT& outer)
{
    RECT frame;
    if (FAILED(DwmGetWindowAttribute(window, DWMWA_EXTENDED_FRAME_BOUNDS, &frame, sizeof(frame))) ||
        frame.left < outer.left || frame.top < outer.top || frame.right > outer.right ||
        frame.bottom > outer.bottom || frame.left >= frame.right || frame.top >= frame.bottom)
        return outer;
    return frame;
}

// Fills window from the desktop's description of handle; false when it is not to be seen in
// area or has gone.
bool describe(HWND handle, bool bTopLevel, const VPlatformRect& area, VPlatformWindow& window)
{
    if (!IsWindowVisible(handle) || IsIconic(handle) || (bTopLevel && isCloaked(handle)))
        return false;
    RECT outer;
    RECT inner;
    POINT origin{0, 0};
    if (!GetWindowRect(handle, &outer) || !GetClientRect(handle, &inner) ||
        !ClientToScreen(handle, &origin))
        return false;
    window.window = rectOf(bTopLevel ? visibleFrame(handle, outer) : outer);
    if (!meets(window.window, area) || !readShape(handle, outer, window.window, window.shape))
        return false;
    window.handle = reinterpret_cast<std::uintptr_t>(handle);
    window.client = {origin.x, origin.y, inner.right - inner.left, inner.bottom - inner.top};
    window.title = titleOf(handle);
    window.className = classOf(handle);
    return true;
}

void readChildren(HWND parent, const VPlatformRect& area, int depth,
                  std::vector<VPlatformWindow>& children)
{
    if (depth >= kMaxChildDepth)
        return;
    // Windows made, destroyed or restacked during the walk can send it round in a circle: a
    // handle met before ends it.
    std::unordered_set<HWND> seen;
    for (HWND child = GetWindow(parent, GW_CHILD); child && seen.size() < kMaxSiblings;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (!seen.insert(child).second)
            break;
        VPlatformWindow window;
        if (!describe(child, false, area, window))
            continue;
        readChildren(child, area, depth + 1, window.children);
        children.push_back(std::move(window));
    }
}

BOOL CALLBACK collectTopLevel(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

} // namespace

namespace VWin32WindowTree {

std::vector<VPlatformWindow> read(const VPlatformRect& area)
{
    // Top-level windows come in stacking order, front-most first.
    std::vector<HWND> topLevels;
    EnumWindows(collectTopLevel, reinterpret_cast<LPARAM>(&topLevels));
    std::vector<VPlatformWindow> windows;
    for (const HWND handle : topLevels) {
        VPlatformWindow window;
        if (!describe(handle, true, area, window))
            continue;
        readChildren(handle, area, 0, window.children);
        windows.push_back(std::move(window));
    }
    return windows;
}

} // namespace VWin32WindowTree
