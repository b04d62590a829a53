// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

// For desktops we cannot reach beyond the toolkit (offscreen, unknown platforms): every hotkey is
// refused, and there are no windows or cursor to report.
class VPlatformBackendNull : public VPlatformBackend
{
public:
    std::string name() const override { return "null"; }
    void setHotkeyOwner(std::uintptr_t) override {}
    bool registerHotkey(int, unsigned, unsigned) override { return false; }
    void unregisterHotkey(int) override {}
    int hotkeyFromNativeEvent(const char*, void*) override { return -1; }
};
