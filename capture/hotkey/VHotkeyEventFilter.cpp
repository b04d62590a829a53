// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hotkey/VHotkeyEventFilter.h"

#include "hotkey/VHotkeys.h"
#include "hotkey/VLogHotkey.h"
#include "platform/VPlatformBackend.h"

#include <QByteArray>

VHotkeyEventFilter::VHotkeyEventFilter(std::function<void(int mode)> onHotkey)
    : m_onHotkey(std::move(onHotkey))
{
}

bool VHotkeyEventFilter::nativeEventFilter(const QByteArray& eventType, void* message,
                                           qintptr* result)
{
    const int id = hotkeyBackend().hotkeyFromNativeEvent(eventType.constData(), message);
    if (id < kHotkeyIdBase)
        return false; // not a hotkey, or not one of the capture modes'
    if (result)
        *result = 0;
    qCInfo(lcHotkey, "Hotkey of mode %d pressed", id - kHotkeyIdBase);
    if (m_onHotkey)
        m_onHotkey(id - kHotkeyIdBase);
    return true;
}
