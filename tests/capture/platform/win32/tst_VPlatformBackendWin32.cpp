// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

// The Win32 backend against real windows, cursors, hotkeys and wheel messages (run under Wine).
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest.h>

#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>

namespace {

int g_wheelDelta = 0;
POINT g_wheelPoint{};

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_MOUSEWHEEL) {
        g_wheelDelta += GET_WHEEL_DELTA_WPARAM(wParam);
        g_wheelPoint = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The test's top-level windows, destroyed however it ends.
struct Windows
{
    std::vector<HWND> list;
    ~Windows() { std::for_each(list.begin(), list.end(), DestroyWindow); }
};

HWND makeWindow(const wchar_t* title, DWORD style, RECT r, HWND parent = nullptr,
                const wchar_t* className = L"TalvikTest")
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    static const WNDCLASSW windowClass{0,       testWindowProc, 0,       0,       instance,
                                       nullptr, nullptr,        nullptr, nullptr, L"TalvikTest"};
    static const ATOM registered = RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, className, title, style, r.left, r.top, r.right - r.left,
                                  r.bottom - r.top, parent, nullptr, instance, nullptr);
    REQUIRE((registered && window));
    return window;
}

std::uintptr_t id(HWND window)
{
    return reinterpret_cast<std::uintptr_t>(window);
}

// 32 x 32 colour with straight alpha (opaque red on the left, half-transparent white at (20, 5))
// and monochrome in bands of eight rows: black, white, transparent, inverted.
std::array<HCURSOR, 2> makeCursors()
{
    std::vector<std::uint32_t> pixels(32 * 32), andPlane(32), xorPlane(32);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = i % 32 < 16 ? 0xffff0000u : 0;
    pixels[5 * 32 + 20] = 0x80ffffffu;
    ICONINFO icon{FALSE, 3, 4, CreateBitmap(32, 32, 1, 1, andPlane.data()),
                  CreateBitmap(32, 32, 1, 32, pixels.data())};
    for (std::size_t row = 0; row < 32; ++row) {
        andPlane[row] = row >= 16 ? ~0u : 0;
        xorPlane[row] = row / 8 % 2 ? ~0u : 0;
    }
    return {CreateIconIndirect(&icon),
            CreateCursor(nullptr, 16, 17, 32, 32, andPlane.data(), xorPlane.data())};
}

} // namespace

TEST_CASE("the backend against real windows")
{
    const auto backend = VPlatform::createNativeBackend("windows");
    RECT frame{0, 0, 300, 200};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND main =
        makeWindow(L"Gr\u00fc\u00dfe \u2603", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                   {100, 100, 100 + frame.right - frame.left, 100 + frame.bottom - frame.top});
    HWND button = makeWindow(L"OK", WS_CHILD | WS_VISIBLE, {10, 20, 90, 50}, main, L"BUTTON");
    HWND ellipse = makeWindow(L"Ellipse", WS_POPUP | WS_VISIBLE, {500, 100, 700, 220});
    SetWindowRgn(ellipse, CreateEllipticRgn(0, 0, 200, 120), TRUE);
    HWND hidden = makeWindow(L"Hidden", WS_POPUP, {100, 400, 200, 500});
    HWND minimised = makeWindow(L"Min", WS_POPUP | WS_VISIBLE | WS_MINIMIZE, {300, 400, 400, 500});
    const Windows windows{{main, ellipse, hidden, minimised}};
    REQUIRE(backend->raiseWindow(id(main))); // in front of the ellipse made after it

    SUBCASE("window tree, front-most first")
    {
        const std::vector<VPlatformWindow> tree = backend->visibleWindows({0, 0, 1280, 1024});
        std::map<std::uintptr_t, std::size_t> order;
        for (std::size_t i = 0; i < tree.size(); ++i)
            order[tree[i].handle] = i;
        CHECK((!order.count(id(hidden)) && !order.count(id(minimised))));
        REQUIRE((order.count(id(main)) && order.count(id(ellipse))));
        CHECK(order[id(main)] < order[id(ellipse)]);
        const VPlatformWindow& top = tree[order[id(main)]];
        CHECK((top.title == u8"Gr\u00fc\u00dfe \u2603" && top.className == "TalvikTest"));
        CHECK((top.client.x - top.window.x == -frame.left && top.client.y == 100 - frame.top));
        CHECK((top.client.width == 300 && top.client.height == 200 && top.shape.empty()));
        REQUIRE(top.children.size() == 1);
        const VPlatformWindow& child = top.children[0];
        CHECK((child.handle == id(button) && child.title == "OK" && child.className == "Button"));
        CHECK((child.window.x == top.client.x + 10 && child.window.y == top.client.y + 20));

        const std::vector<VPlatformRect>& shape = tree[order[id(ellipse)]].shape;
        const auto covers = [&](int x, int y) {
            return std::any_of(shape.begin(), shape.end(), [&](const VPlatformRect& r) {
                return x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height;
            });
        };
        const int area = std::accumulate(shape.begin(), shape.end(), 0, [](int sum, const auto& r) {
            return sum + r.width * r.height;
        });
        CHECK(area == doctest::Approx(3.14159 * 100 * 60).epsilon(0.03));
        CHECK((covers(100, 60) && covers(3, 60) && covers(100, 2) && !covers(3, 3)));
    }

    SUBCASE("cursor pictures with their hot spots")
    {
        backend->movePointer(250, 260);
        const std::array<HCURSOR, 2> cursors = makeCursors();
        const struct
        {
            int hotX, hotY;
            std::array<std::array<std::uint32_t, 3>, 3> samples; // x, y, pixel
        } cases[] = {{3, 4, {{{0, 0, 0xffff0000}, {31, 0, 0}, {20, 5, 0x80808080}}}},
                     {16, 17, {{{0, 8, 0xffffffff}, {31, 31, 0xff000000}, {5, 20, 0}}}}};
        for (std::size_t i = 0; i < cursors.size(); ++i) {
            INFO(i);
            SetCursor(cursors[i]);
            VPlatformCursor cursor;
            REQUIRE(backend->cursorImage(cursor));
            CHECK(
                (cursor.width == 32 && cursor.height == 32 && cursor.x == 250 && cursor.y == 260));
            CHECK((cursor.hotX == cases[i].hotX && cursor.hotY == cases[i].hotY));
            for (const auto& [x, y, pixel] : cases[i].samples)
                CHECK(cursor.pixels[y * 32 + x] == pixel);
        }
        VPlatformCursor cursor;
        backend->setPointerVisible(false);
        CHECK_FALSE(backend->cursorImage(cursor));
        backend->setPointerVisible(true);
        CHECK(backend->cursorImage(cursor));
    }

    SUBCASE("hotkeys arrive as WM_HOTKEY on the owner window; taken ones are refused")
    {
        backend->setHotkeyOwner(id(main));
        const unsigned ctrlAlt = VPlatformBackend::ModControl | VPlatformBackend::ModAlt;
        REQUIRE(RegisterHotKey(ellipse, 1, MOD_CONTROL | MOD_ALT, VK_F8));
        CHECK_FALSE(backend->registerHotkey(0xC002, ctrlAlt, VK_F8));
        REQUIRE(backend->registerHotkey(0xC001, ctrlAlt, VK_F7));
        CHECK_FALSE(backend->registerHotkey(0xC003, ctrlAlt, VK_F7));
        std::array<INPUT, 6> keys{}; // Ctrl, Alt and F7 down, then up
        for (std::size_t k = 0; k < keys.size(); ++k) {
            keys[k].type = INPUT_KEYBOARD;
            keys[k].ki.wVk = std::array<WORD, 3>{VK_CONTROL, VK_MENU, VK_F7}[k % 3];
            keys[k].ki.dwFlags = k < 3 ? 0 : KEYEVENTF_KEYUP;
        }
        SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
        MSG message{};
        for (int tries = 0; message.message != WM_HOTKEY && tries < 300; ++tries) {
            if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                Sleep(10);
        }
        CHECK(backend->hotkeyFromNativeEvent("windows_generic_MSG", &message) == 0xC001);
        CHECK(backend->hotkeyFromNativeEvent("windows_dispatcher_MSG", &message) == -1);
    }

    SUBCASE("the window at a point takes the wheel, through its child")
    {
        const int x = 100 - frame.left + 30, y = 100 - frame.top + 40; // over the button
        CHECK((backend->windowAt(x, y) == id(main) && backend->windowAt(600, 160) == id(ellipse)));
        REQUIRE(backend->turnWheel(x, y, 3));
        CHECK((g_wheelDelta == -360 && g_wheelPoint.x == x && g_wheelPoint.y == y));
    }
}
