// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hotkey/VHotkeys.h"

#include "config/VConfigCapture.h"
#include "foundation/VHotkey.h"
#include "hotkey/VHotkeyTable.h"
#include "hotkey/VLogHotkey.h"
#include "platform/VPlatformBackend.h"
#include "platform/VPlatformFactory.h"

#include "VCaptureModes.h"
#include "VVCapture.h"

#include <QCoreApplication>
#include <QMap>

namespace {

WId g_ownerWindow = 0;
VPlatformBackend* g_pBackend = nullptr;
QMap<int, VHotkey> g_active; // mode -> its installed hotkey, also while suspended
int g_suspensions = 0;

// Texts of this file, in a context the translation tools can see.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(VHotkeys)
};

bool install(int mode, const VHotkey& hotkey)
{
    const int key = hotkey.key();
    const bool bInstalled = hotkeyBackend().registerHotkey(
        hotkeyId(mode), VHotkeyTable::modifierFlags(key), VHotkeyTable::virtualKey(key));
    qCInfo(lcHotkey, "Hotkey %s of mode %d: %s by the %s backend",
           qUtf8Printable(hotkey.toString()), mode, bInstalled ? "granted" : "refused",
           hotkeyBackend().name().c_str());
    return bInstalled;
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
    // A new owner starts without hotkeys.
    for (auto it = g_active.cbegin(); it != g_active.cend(); ++it)
        hotkeyBackend().unregisterHotkey(hotkeyId(it.key()));
    g_active.clear();
    g_ownerWindow = window;
    hotkeyBackend().setHotkeyOwner(std::uintptr_t(window));
}

bool applyHotkey(int mode, const VHotkey& hotkey, QString& error)
{
    error.clear();
    if (!g_ownerWindow)
        return false;
    removeHotkey(mode);
    if (hotkey.isEmpty()) {
        error = Text::tr("Hotkey setting is empty.");
        return false;
    }
    const int key = hotkey.key();
    if (!VHotkeyTable::virtualKey(key)) {
        error = Text::tr("%1 is not a valid hotkey").arg(hotkey.toString());
        return false;
    }
    if (VHotkeyTable::needsModifier(key)) {
        error = Text::tr("Add Ctrl, Alt or Win: %1 alone would block other programs")
                    .arg(hotkey.toString());
        return false;
    }
    // Our own hotkeys may be suspended, so the desktop cannot be asked about them.
    for (auto it = g_active.cbegin(); it != g_active.cend(); ++it) {
        if (it.value() == hotkey) {
            error = Text::tr("Failed to set hotkey: %1 is already the %2 hotkey")
                        .arg(hotkey.toString(), VCaptureModes::shortName(it.key()));
            return false;
        }
    }
    if (!install(mode, hotkey)) {
        error = Text::tr("Failed to set hotkey: %1").arg(hotkey.toString());
        return false;
    }
    if (g_suspensions > 0)
        hotkeyBackend().unregisterHotkey(hotkeyId(mode));
    g_active.insert(mode, hotkey);
    VConfigCapture::instance()->setHotkey(mode, hotkey);
    return true;
}

void removeHotkey(int mode)
{
    hotkeyBackend().unregisterHotkey(hotkeyId(mode));
    g_active.remove(mode);
}

void suspendHotkeys()
{
    if (g_suspensions++ > 0)
        return;
    for (auto it = g_active.cbegin(); it != g_active.cend(); ++it)
        hotkeyBackend().unregisterHotkey(hotkeyId(it.key()));
}

void resumeHotkeys()
{
    if (g_suspensions == 0 || --g_suspensions > 0)
        return;
    for (auto it = g_active.begin(); it != g_active.end();) {
        // Another program may have taken the combination meanwhile.
        if (install(it.key(), it.value())) {
            ++it;
        } else {
            qWarning("Failed to set hotkey again: %s", qPrintable(it.value().toString()));
            it = g_active.erase(it);
        }
    }
}
