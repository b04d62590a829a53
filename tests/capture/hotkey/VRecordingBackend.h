// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/VPlatformBackend.h"

#include <map>
#include <set>
#include <utility>

// A backend that records what it is asked and refuses the combinations it is told to, like a
// desktop where another program holds them; a second id on a held combination fails too.
class VRecordingBackend : public VPlatformBackend
{
public:
    using Combination = std::pair<unsigned, unsigned>; // modifiers, virtual key

    std::string name() const override { return "recording"; }
    void setHotkeyOwner(std::uintptr_t nativeWindow) override { owner = nativeWindow; }
    bool registerHotkey(int id, unsigned modifiers, unsigned virtualKey) override
    {
        ++registerCalls;
        installed.erase(id);
        const Combination combination{modifiers, virtualKey};
        if (refused.count(combination))
            return false;
        for (const auto& entry : installed) {
            if (entry.second == combination)
                return false;
        }
        installed[id] = combination;
        return true;
    }
    void unregisterHotkey(int id) override
    {
        ++unregisterCalls;
        installed.erase(id);
    }
    // A "native event" of this backend is a pointer to the id it stands for.
    int hotkeyFromNativeEvent(const char* eventType, void* message) override
    {
        if (std::string(eventType) != "recording")
            return -1;
        const int id = *static_cast<const int*>(message);
        return installed.count(id) ? id : -1;
    }

    void reset()
    {
        installed.clear();
        refused.clear();
        registerCalls = unregisterCalls = 0;
    }

    std::uintptr_t owner = 0;
    std::map<int, Combination> installed;
    std::set<Combination> refused;
    int registerCalls = 0;
    int unregisterCalls = 0;
};
