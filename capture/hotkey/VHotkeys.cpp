#include "hotkey/VHotkeys.h"

#include "config/VConfigCapture.h"
#include "foundation/VHotkey.h"
#include "hotkey/VHotkeyTable.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include <QCoreApplication>

namespace {

WId g_ownerWindow = 0;
VPlatformBackend* g_pBackend = nullptr;

QString tr(const char* text)
{
    return QCoreApplication::translate("VHotkeys", text);
}

} // namespace

VPlatformBackend& hotkeyBackend()
{
    return g_pBackend ? *g_pBackend : VPlatform::backend();
}

void setHotkeyBackend(VPlatformBackend* pBackend)
{
    g_pBackend = pBackend;
    if (g_ownerWindow)
        hotkeyBackend().setHotkeyOwner(std::uintptr_t(g_ownerWindow));
}

void setHotkeyOwnerWindow(WId window)
{
    g_ownerWindow = window;
    hotkeyBackend().setHotkeyOwner(std::uintptr_t(window));
}

bool applyHotkey(int mode, const VHotkey& hotkey, QString& error)
{
    error.clear();
    if (!g_ownerWindow)
        return false;
    VPlatformBackend& backend = hotkeyBackend();
    backend.unregisterHotkey(hotkeyId(mode));
    if (hotkey.isEmpty()) {
        error = tr("Hotkey setting is empty.");
        return false;
    }
    const int key = hotkey.key();
    const unsigned virtualKey = VHotkeyTable::virtualKey(key);
    if (!virtualKey) {
        error = tr("%1 is not a valid hotkey").arg(hotkey.toString());
        return false;
    }
    if (!backend.registerHotkey(hotkeyId(mode), VHotkeyTable::modifierFlags(key), virtualKey)) {
        error = tr("Failed to set hotkey: ") + hotkey.toString();
        return false;
    }
    VConfigCapture::instance()->setHotkey(mode, hotkey);
    return true;
}

void removeHotkey(int mode)
{
    hotkeyBackend().unregisterHotkey(hotkeyId(mode));
}
