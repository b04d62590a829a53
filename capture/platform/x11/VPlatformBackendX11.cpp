// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/x11/VPlatformBackendX11.h"

#include "platform/x11/VX11ScreenGrab.h"
#include "platform/x11/VX11Steering.h"
#include "platform/x11/VX11WindowTree.h"
#include "platform/x11/VXcbReply.h"

#include <xcb/shape.h>
#include <xcb/xcb_keysyms.h>
#include <xcb/xfixes.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr std::uint32_t kKeysymNumLock = 0xff7f;
constexpr std::uint32_t kKeysymF1 = 0xffbe;
constexpr unsigned kVirtualKeyF1 = 0x70;
constexpr unsigned kVirtualKeyF35 = kVirtualKeyF1 + 34;
constexpr std::uint16_t kX11StateModifierBits = 0xff; // state bits above these are pointer buttons

struct KeySymbolsDeleter
{
    void operator()(xcb_key_symbols_t* p) const { xcb_key_symbols_free(p); }
};

// Every state of Lock and NumLock a grab must cover, or the hotkey dies while either is on.
std::vector<std::uint16_t> lockCombinations(std::uint16_t numLock)
{
    std::vector<std::uint16_t> combinations{0, XCB_MOD_MASK_LOCK};
    if (numLock) {
        combinations.push_back(numLock);
        combinations.push_back(numLock | XCB_MOD_MASK_LOCK);
    }
    return combinations;
}

} // namespace

VPlatformBackendX11::VPlatformBackendX11(xcb_connection_t* pConnection, bool bSharedMemory)
    : m_pConnection(pConnection)
{
    // The toolkit's default screen is the first one on all but multi-screen (Zaphod) setups.
    const xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_pConnection));
    if (screens.rem > 0) {
        m_root = screens.data->root;
        // A way round shared memory, for servers that claim it but misbehave, and for tests.
        const char* pNoShm = std::getenv("TALVIK_NO_SHM");
        const bool bNoShm = pNoShm && *pNoShm && std::strcmp(pNoShm, "0") != 0;
        m_pScreenGrab = std::make_unique<VX11ScreenGrab>(m_pConnection, *screens.data,
                                                         bSharedMemory && !bNoShm);
    }

    xcb_prefetch_extension_data(m_pConnection, &xcb_shape_id);
    xcb_prefetch_extension_data(m_pConnection, &xcb_xfixes_id);
    const xcb_query_extension_reply_t* pShape =
        xcb_get_extension_data(m_pConnection, &xcb_shape_id);
    m_bShape = pShape && pShape->present;
    const xcb_query_extension_reply_t* pXfixes =
        xcb_get_extension_data(m_pConnection, &xcb_xfixes_id);
    if (pXfixes && pXfixes->present) {
        // The server answers xfixes requests only once the client has said which version it
        // speaks; asking for the newest the headers know leaves the toolkit's own use intact.
        const VXcbReply<xcb_xfixes_query_version_reply_t> version(xcb_xfixes_query_version_reply(
            m_pConnection,
            xcb_xfixes_query_version(m_pConnection, XCB_XFIXES_MAJOR_VERSION,
                                     XCB_XFIXES_MINOR_VERSION),
            nullptr));
        m_bXfixes = version && version->major_version >= 1;
    }
    m_pSteering = std::make_unique<VX11Steering>(m_pConnection, m_root);
}

VPlatformBackendX11::~VPlatformBackendX11()
{
    // A pointer hidden by an interrupted capture must not stay hidden.
    m_pSteering->setPointerVisible(true);
    for (const auto& entry : m_grabs)
        ungrab(entry.second);
    sync();
}

std::uint32_t VPlatformBackendX11::keysymOfVirtualKey(unsigned virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return 'a' + (virtualKey - 'A'); // the unshifted symbol names the key
    if (virtualKey >= '0' && virtualKey <= '9')
        return virtualKey;
    if (virtualKey >= kVirtualKeyF1 && virtualKey <= kVirtualKeyF35)
        return kKeysymF1 + (virtualKey - kVirtualKeyF1);
    switch (virtualKey) {
    case 13:
        return 0xff0d; // Return
    case 19:
        return 0xff13; // Pause
    case 27:
        return 0xff1b; // Escape
    case 32:
        return 0x20; // space
    case 33:
        return 0xff55; // Prior
    case 34:
        return 0xff56; // Next
    case 35:
        return 0xff57; // End
    case 36:
        return 0xff50; // Home
    case 37:
        return 0xff51; // Left
    case 38:
        return 0xff52; // Up
    case 39:
        return 0xff53; // Right
    case 40:
        return 0xff54; // Down
    case 44:
        return 0xff61; // Print
    case 45:
        return 0xff63; // Insert
    default:
        return 0;
    }
}

std::uint16_t VPlatformBackendX11::modifierMask(unsigned modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers & ModAlt)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & ModControl)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & ModShift)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & ModWin)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

std::vector<xcb_keycode_t> VPlatformBackendX11::keycodesOf(std::uint32_t keysym) const
{
    // Read afresh each time, so a keyboard mapping changed since start-up is honoured.
    const std::unique_ptr<xcb_key_symbols_t, KeySymbolsDeleter> symbols(
        xcb_key_symbols_alloc(m_pConnection));
    std::vector<xcb_keycode_t> keycodes;
    if (!symbols)
        return keycodes;
    const std::unique_ptr<xcb_keycode_t, VXcbFree> found(
        xcb_key_symbols_get_keycode(symbols.get(), keysym));
    for (const xcb_keycode_t* p = found.get(); p && *p != XCB_NO_SYMBOL; ++p) {
        if (std::find(keycodes.begin(), keycodes.end(), *p) == keycodes.end())
            keycodes.push_back(*p);
    }
    return keycodes;
}

std::uint16_t VPlatformBackendX11::numLockMask() const
{
    const std::vector<xcb_keycode_t> numLockKeys = keycodesOf(kKeysymNumLock);
    if (numLockKeys.empty())
        return 0;
    const VXcbReply<xcb_get_modifier_mapping_reply_t> reply(xcb_get_modifier_mapping_reply(
        m_pConnection, xcb_get_modifier_mapping(m_pConnection), nullptr));
    if (!reply)
        return 0;
    const xcb_keycode_t* pMap = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            const xcb_keycode_t keycode = pMap[modifier * perModifier + i];
            if (keycode != XCB_NO_SYMBOL &&
                std::find(numLockKeys.begin(), numLockKeys.end(), keycode) != numLockKeys.end())
                return std::uint16_t(1u << modifier);
        }
    }
    return 0;
}

bool VPlatformBackendX11::conflictsWithOtherId(int id, const Grab& grab) const
{
    // The server lets a client grab its own combination twice; a second id must not have it.
    for (const auto& [otherId, other] : m_grabs) {
        if (otherId == id || other.modifiers != grab.modifiers)
            continue;
        for (const xcb_keycode_t keycode : grab.keycodes) {
            if (std::find(other.keycodes.begin(), other.keycodes.end(), keycode) !=
                other.keycodes.end())
                return true;
        }
    }
    return false;
}

bool VPlatformBackendX11::registerHotkey(int id, unsigned modifiers, unsigned virtualKey)
{
    unregisterHotkey(id);
    const std::uint32_t keysym = keysymOfVirtualKey(virtualKey);
    if (!keysym || m_root == XCB_NONE || xcb_connection_has_error(m_pConnection))
        return false;

    Grab grab;
    grab.modifiers = modifierMask(modifiers);
    grab.keycodes = keycodesOf(keysym);
    if (grab.keycodes.empty() || conflictsWithOtherId(id, grab))
        return false;
    grab.numLock = numLockMask();

    std::vector<xcb_void_cookie_t> cookies;
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const std::uint16_t locks : lockCombinations(grab.numLock)) {
            cookies.push_back(xcb_grab_key_checked(m_pConnection, 1, m_root, grab.modifiers | locks,
                                                   keycode, XCB_GRAB_MODE_ASYNC,
                                                   XCB_GRAB_MODE_ASYNC));
        }
    }
    bool granted = true;
    for (const xcb_void_cookie_t cookie : cookies) {
        // Every cookie is checked, so that no error is left to surface as an event.
        const VXcbReply<xcb_generic_error_t> error(xcb_request_check(m_pConnection, cookie));
        if (error)
            granted = false;
    }
    if (!granted) {
        // Ungrabbing leaves another client's grabs alone, so undoing every combination is safe.
        ungrab(grab);
        sync();
        return false;
    }
    m_grabs.emplace(id, std::move(grab));
    return true;
}

void VPlatformBackendX11::unregisterHotkey(int id)
{
    const auto found = m_grabs.find(id);
    if (found == m_grabs.end())
        return;
    ungrab(found->second);
    m_grabs.erase(found);
    sync();
}

void VPlatformBackendX11::ungrab(const Grab& grab)
{
    for (const xcb_keycode_t keycode : grab.keycodes) {
        for (const std::uint16_t locks : lockCombinations(grab.numLock))
            xcb_ungrab_key(m_pConnection, keycode, m_root, grab.modifiers | locks);
    }
}

void VPlatformBackendX11::sync()
{
    // A round trip: once it returns, the server has given the keys back, so a key pressed or
    // grabbed by anyone after a withdrawal never meets the old grab.
    const VXcbReply<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(m_pConnection, xcb_get_input_focus(m_pConnection), nullptr));
}

int VPlatformBackendX11::hotkeyFromNativeEvent(const char* eventType, void* message)
{
    if (!eventType || !message || std::strcmp(eventType, "xcb_generic_event_t") != 0)
        return -1;
    const auto* pEvent = static_cast<const xcb_generic_event_t*>(message);
    if ((pEvent->response_type & ~0x80) != XCB_KEY_PRESS)
        return -1;
    const auto* pPress = static_cast<const xcb_key_press_event_t*>(message);
    if (pPress->event != m_root)
        return -1;
    for (const auto& [id, grab] : m_grabs) {
        const std::uint16_t state =
            pPress->state & kX11StateModifierBits & ~(XCB_MOD_MASK_LOCK | grab.numLock);
        if (state == grab.modifiers && std::find(grab.keycodes.begin(), grab.keycodes.end(),
                                                 pPress->detail) != grab.keycodes.end())
            return id;
    }
    return -1;
}

bool VPlatformBackendX11::hasWindowTree() const
{
    return m_root != XCB_NONE && !xcb_connection_has_error(m_pConnection);
}

bool VPlatformBackendX11::hasCursorImage() const
{
    return m_bXfixes && !xcb_connection_has_error(m_pConnection);
}

std::vector<VPlatformWindow> VPlatformBackendX11::visibleWindows(const VPlatformRect& area)
{
    return VX11WindowTree(m_pConnection, m_root, m_bShape).read(area);
}

bool VPlatformBackendX11::cursorImage(VPlatformCursor& cursor)
{
    if (!hasCursorImage())
        return false;
    const VXcbReply<xcb_xfixes_get_cursor_image_reply_t> reply(xcb_xfixes_get_cursor_image_reply(
        m_pConnection, xcb_xfixes_get_cursor_image(m_pConnection), nullptr));
    if (!reply)
        return false;
    const std::size_t count = std::size_t(reply->width) * reply->height;
    if (count == 0 ||
        std::size_t(xcb_xfixes_get_cursor_image_cursor_image_length(reply.get())) < count)
        return false;
    cursor.width = reply->width;
    cursor.height = reply->height;
    cursor.hotX = reply->xhot;
    cursor.hotY = reply->yhot;
    cursor.x = reply->x;
    cursor.y = reply->y;
    // Already premultiplied: the server keeps cursors as render pictures do.
    const std::uint32_t* pPixels = xcb_xfixes_get_cursor_image_cursor_image(reply.get());
    cursor.pixels.assign(pPixels, pPixels + count);
    return true;
}

VPlatformImage VPlatformBackendX11::grabScreenImage(const VPlatformRect& area)
{
    return m_pScreenGrab ? m_pScreenGrab->grab(area) : VPlatformImage();
}

void VPlatformBackendX11::releaseGrabMemory()
{
    if (m_pScreenGrab)
        m_pScreenGrab->releaseSpare();
}

bool VPlatformBackendX11::canScrollWindows() const
{
    return m_pSteering->isAvailable();
}

std::uintptr_t VPlatformBackendX11::windowAt(int x, int y)
{
    return m_pSteering->windowAt(x, y);
}

std::uintptr_t VPlatformBackendX11::activeWindow()
{
    return m_pSteering->activeWindow();
}

bool VPlatformBackendX11::raiseWindow(std::uintptr_t window)
{
    return m_pSteering->raiseWindow(window);
}

void VPlatformBackendX11::movePointer(int x, int y)
{
    m_pSteering->movePointer(x, y);
}

void VPlatformBackendX11::setPointerVisible(bool visible)
{
    m_pSteering->setPointerVisible(visible);
}

bool VPlatformBackendX11::turnWheel(int x, int y, int notches)
{
    return m_pSteering->turnWheel(x, y, notches);
}
