// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/win32/VPlatformBackendWin32.h"

#include "platform/win32/VWin32CursorImage.h"
#include "platform/win32/VWin32WindowTree.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr unsigned kKnownModifiers = VPlatformBackend::ModAlt | VPlatformBackend::ModControl |
                                     VPlatformBackend::ModShift | VPlatformBackend::ModWin;
constexpr unsigned kLastVirtualKey = 0xfe;
// The most notches one message carries: its delta is a 16-bit number.
constexpr int kMaxNotchesPerMessage = 0x7fff / WHEEL_DELTA;
// A program that does not answer within this is hung; the capture must not hang with it.
constexpr UINT kWheelTimeoutMs = 1000;

} // namespace

VPlatformBackendWin32::~VPlatformBackendWin32()
{
    // A pointer hidden by an interrupted capture must not stay hidden.
    setPointerVisible(true);
    unregisterAll();
}

void VPlatformBackendWin32::unregisterAll()
{
    for (const int id : m_ids)
        UnregisterHotKey(m_owner, id);
    m_ids.clear();
}

void VPlatformBackendWin32::setHotkeyOwner(std::uintptr_t nativeWindow)
{
    const HWND owner = reinterpret_cast<HWND>(nativeWindow);
    if (owner == m_owner)
        return;
    unregisterAll();
    m_owner = owner;
}

bool VPlatformBackendWin32::registerHotkey(int id, unsigned modifiers, unsigned virtualKey)
{
    unregisterHotkey(id);
    if (virtualKey == 0 || virtualKey > kLastVirtualKey || (modifiers & ~kKnownModifiers))
        return false;
    // The system refuses a combination that any window holds, ours under another id included.
    if (!RegisterHotKey(m_owner, id, modifiers, virtualKey))
        return false;
    m_ids.insert(id);
    return true;
}

void VPlatformBackendWin32::unregisterHotkey(int id)
{
    if (m_ids.erase(id))
        UnregisterHotKey(m_owner, id);
}

int VPlatformBackendWin32::hotkeyFromNativeEvent(const char* eventType, void* message)
{
    if (!eventType || !message)
        return -1;
    const auto* pMessage = static_cast<const MSG*>(message);
    // A window's message passes the dispatcher's filter and then the window's; a thread's (no
    // owner window) only the dispatcher's. Each press must count once.
    const bool bSeen = pMessage->hwnd ? std::strcmp(eventType, "windows_generic_MSG") == 0
                                      : std::strcmp(eventType, "windows_dispatcher_MSG") == 0;
    if (!bSeen || pMessage->message != WM_HOTKEY || pMessage->hwnd != m_owner)
        return -1;
    const int id = int(pMessage->wParam);
    return m_ids.count(id) ? id : -1;
}

std::vector<VPlatformWindow> VPlatformBackendWin32::visibleWindows(const VPlatformRect& area)
{
    return VWin32WindowTree::read(area);
}

bool VPlatformBackendWin32::cursorImage(VPlatformCursor& cursor)
{
    return VWin32CursorImage::read(cursor);
}

std::uintptr_t VPlatformBackendWin32::windowAt(int x, int y)
{
    const HWND window = WindowFromPoint(POINT{x, y});
    return window ? reinterpret_cast<std::uintptr_t>(GetAncestor(window, GA_ROOT)) : 0;
}

std::uintptr_t VPlatformBackendWin32::activeWindow()
{
    const HWND window = GetForegroundWindow();
    return window ? reinterpret_cast<std::uintptr_t>(GetAncestor(window, GA_ROOT)) : 0;
}

bool VPlatformBackendWin32::raiseWindow(std::uintptr_t window)
{
    const HWND handle = reinterpret_cast<HWND>(window);
    if (!handle || !IsWindow(handle) || !BringWindowToTop(handle))
        return false;
    // SetFocus reaches only our own thread's windows; another program's gets the keyboard
    // through the foreground, as far as the system lets us take it.
    SetForegroundWindow(handle);
    SetFocus(handle);
    return true;
}

void VPlatformBackendWin32::movePointer(int x, int y)
{
    SetCursorPos(x, y);
}

void VPlatformBackendWin32::setPointerVisible(bool visible)
{
    if (visible == !m_bPointerHidden)
        return;
    if (visible) {
        SetCursor(m_shownCursor);
    } else {
        m_shownCursor = GetCursor();
        SetCursor(nullptr);
    }
    m_bPointerHidden = !visible;
}

bool VPlatformBackendWin32::turnWheel(int x, int y, int notches)
{
    movePointer(x, y);
    const HWND target = WindowFromPoint(POINT{x, y});
    if (!target)
        return false;
    // The system's wheel counts towards the user (down the page) as negative.
    int remaining = -notches;
    const auto where = LPARAM(MAKELPARAM(WORD(x), WORD(y)));
    while (remaining != 0) {
        const int step = std::clamp(remaining, -kMaxNotchesPerMessage, kMaxNotchesPerMessage);
        const auto delta = WPARAM(MAKEWPARAM(0, WORD(short(step * WHEEL_DELTA))));
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutW(target, WM_MOUSEWHEEL, delta, where, SMTO_ABORTIFHUNG,
                                 kWheelTimeoutMs, &result))
            return false;
        remaining -= step;
    }
    return true;
}
