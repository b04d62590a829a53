#pragma once

#include <cstdint>
#include <string>

// What the capture application needs from the desktop beyond the toolkit, in plain C++ so that
// each backend can be built and tested on its own. Hotkeys speak the vocabulary of the hotkey
// tables: Windows modifier flags and virtual-key codes, whatever the backend translates them to.
//
// The window tree, the cursor image and the scrolling of foreign windows join this interface
// with the capture overlay.
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

protected:
    VPlatformBackend() = default;
    VPlatformBackend(const VPlatformBackend&) = delete;
    VPlatformBackend& operator=(const VPlatformBackend&) = delete;
};
