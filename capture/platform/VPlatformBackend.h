// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// A rectangle in the desktop's own (device) pixels.
struct VPlatformRect
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// One visible window as the desktop describes it, in global device pixels.
struct VPlatformWindow
{
    std::uintptr_t handle = 0;
    VPlatformRect window; // the whole window, frame included
    VPlatformRect client; // its client area
    std::string title;    // UTF-8
    std::string className;
    // The window's shape as rectangles relative to window's top-left; empty when rectangular.
    std::vector<VPlatformRect> shape;
    // Its visible child windows, front-most first.
    std::vector<VPlatformWindow> children;
};

// The pointer's picture and where it is.
struct VPlatformCursor
{
    int width = 0;
    int height = 0;
    int hotX = 0; // the hot spot inside the picture
    int hotY = 0;
    int x = 0; // the pointer, in global device pixels
    int y = 0;
    std::vector<std::uint32_t> pixels; // premultiplied ARGB, row by row, width * height
};

// A picture of the desktop in memory the backend hands over whole: the pixels live as long as
// owner does, so the toolkit can wrap them without a copy.
struct VPlatformImage
{
    enum class Format
    {
        None,   // nothing grabbed
        Rgb32,  // 0xffRRGGBB, 32 bits in the host's byte order
        Rgb16,  // 5-6-5 in 16 bits, host's byte order
        Rgb555, // x-5-5-5 in 16 bits, host's byte order
    };

    Format format = Format::None;
    int width = 0;
    int height = 0;
    int bytesPerLine = 0;
    std::uint8_t* pixels = nullptr;
    std::shared_ptr<void> owner;
    // Empty when the pixels came through memory shared with the display server, else why not.
    std::string whyNotShared;
};

// How a request for a picture of the whole desktop ended (see requestDesktopGrab).
struct VPlatformDesktopGrab
{
    enum class End
    {
        Taken,       // image holds the whole desktop
        Unavailable, // no service to ask
        Refused,     // the desktop said no
        Cancelled,   // the user said no
        TimedOut,    // no answer in time
        Unreadable,  // an answer, but no picture in it
    };

    End end = End::Unavailable;
    VPlatformImage image;
    std::string detail; // what the desktop said, for the message; may be empty
};

// What the capture application needs from the desktop beyond the toolkit, in plain C++ so that
// each backend can be built and tested on its own. Hotkeys speak the vocabulary of the hotkey
// tables: Windows modifier flags and virtual-key codes, whatever the backend translates them to.
//
// A backend says what it can do, so the user interface can disable what the desktop does not
// offer instead of failing later.
class VPlatformBackend
{
public:
    // Modifier flags of registerHotkey.
    static constexpr unsigned ModAlt = 0x1;
    static constexpr unsigned ModControl = 0x2;
    static constexpr unsigned ModShift = 0x4;
    static constexpr unsigned ModWin = 0x8;

    virtual ~VPlatformBackend() = default;

    // Short name for diagnostics ("x11", "null").
    virtual std::string name() const = 0;

    // The native window that owns the hotkeys (an HWND on Windows); backends that grab on the
    // desktop's root ignore it.
    virtual void setHotkeyOwner(std::uintptr_t nativeWindow) = 0;

    // Installs a system-wide hotkey under id, replacing what id held before. False when the
    // combination cannot be had: unknown key, held by another program or by another id.
    virtual bool registerHotkey(int id, unsigned modifiers, unsigned virtualKey) = 0;

    // Withdraws id's hotkey; an id that holds none is left alone.
    virtual void unregisterHotkey(int id) = 0;

    // The id of the hotkey whose press this native event (as the toolkit's native event filters
    // see it) is, or -1 for any other event.
    virtual int hotkeyFromNativeEvent(const char* eventType, void* message) = 0;

    // Whether visibleWindows and cursorImage can answer on this desktop (by default not).
    virtual bool hasWindowTree() const { return false; }
    virtual bool hasCursorImage() const { return false; }
    // Whether the desktop keeps other programs' windows from us on principle, so that no
    // capture can pick a window at all.
    virtual bool hidesOtherWindows() const { return false; }

    // The visible top-level windows that meet area, front-most first, each with its children.
    // A window that vanishes while it is asked about is left out.
    virtual std::vector<VPlatformWindow> visibleWindows(const VPlatformRect& area)
    {
        (void)area;
        return {};
    }

    // The pointer's current picture and position; false when the desktop cannot tell.
    virtual bool cursorImage(VPlatformCursor& cursor)
    {
        (void)cursor;
        return false;
    }

    // The desktop's pixels in area (device pixels, inside one screen), grabbed the fastest way
    // the backend knows. Format::None when it offers none: the toolkit's own grab is used then.
    virtual VPlatformImage grabScreenImage(const VPlatformRect& area)
    {
        (void)area;
        return {};
    }

    // Whether this desktop lets no program read its pixels, so that every grab is a request to
    // one of its services (requestDesktopGrab) and arrives later.
    virtual bool grabsThroughService() const { return false; }

    // Asks the desktop for a picture of all its monitors; only asked where grabsThroughService.
    // done runs exactly once, from the toolkit's event loop, never from inside this call.
    virtual void requestDesktopGrab(std::function<void(VPlatformDesktopGrab)> done) { (void)done; }

    // A capture is over: memory kept to make the next grab fast goes back to the system.
    virtual void releaseGrabMemory() {}

    // Whether the program may place its own windows; where it may not (the compositor does),
    // a window asks for a screen and full screen instead.
    virtual bool placesOwnWindows() const { return true; }

    // Whether registerHotkey can reach keys pressed while another program has the focus.
    virtual bool hasKeyGrabs() const { return false; }

    // Steering another program's window for a scrolling capture: whether this desktop lets us.
    virtual bool canScrollWindows() const { return false; }

    // The top-level window at a point of the desktop (device pixels), 0 for none.
    virtual std::uintptr_t windowAt(int x, int y)
    {
        (void)x;
        (void)y;
        return 0;
    }

    // The top-level window with the keyboard focus, as visibleWindows names it; 0 for none.
    virtual std::uintptr_t activeWindow() { return 0; }

    // Brings a window of windowAt to the front with the keyboard focus.
    virtual bool raiseWindow(std::uintptr_t window)
    {
        (void)window;
        return false;
    }

    virtual void movePointer(int x, int y)
    {
        (void)x;
        (void)y;
    }

    // Hides the pointer on the whole desktop, or shows it again.
    virtual void setPointerVisible(bool visible) { (void)visible; }

    // Turns the mouse wheel over a point by whole notches: positive scrolls down, towards the
    // end of a page. The pointer is moved there first.
    virtual bool turnWheel(int x, int y, int notches)
    {
        (void)x;
        (void)y;
        (void)notches;
        return false;
    }

protected:
    VPlatformBackend() = default;
    VPlatformBackend(const VPlatformBackend&) = delete;
    VPlatformBackend& operator=(const VPlatformBackend&) = delete;
};
