// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hotkey/VHotkeyTable.h"

#include "platform/VPlatformBackend.h"

#include <Qt>

#include <unordered_map>

namespace {

constexpr int kModifierBits = Qt::ALT | Qt::CTRL | Qt::SHIFT | Qt::META;

const std::unordered_map<int, unsigned>& namedKeys()
{
    static const std::unordered_map<int, unsigned> keys{
        {Qt::Key_Return, 13}, {Qt::Key_Insert, 45}, {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27},
        {Qt::Key_Space, 32},  {Qt::Key_PageUp, 33}, {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},
        {Qt::Key_Home, 36},   {Qt::Key_Left, 37},   {Qt::Key_Up, 38},       {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},   {Qt::Key_Print, 44},
    };
    return keys;
}

} // namespace

unsigned VHotkeyTable::modifierFlags(int key)
{
    unsigned flags = 0;
    if (key & Qt::ALT)
        flags |= VPlatformBackend::ModAlt;
    if (key & Qt::CTRL)
        flags |= VPlatformBackend::ModControl;
    if (key & Qt::SHIFT)
        flags |= VPlatformBackend::ModShift;
    if (key & Qt::META)
        flags |= VPlatformBackend::ModWin;
    return flags;
}

unsigned VHotkeyTable::virtualKey(int key)
{
    const int part = key & ~kModifierBits;
    if ((part >= Qt::Key_A && part <= Qt::Key_Z) || (part >= Qt::Key_0 && part <= Qt::Key_9))
        return unsigned(part);
    if (part >= Qt::Key_F1 && part <= Qt::Key_F35)
        return 0x70u + unsigned(part - Qt::Key_F1);
    const auto found = namedKeys().find(part);
    return found == namedKeys().end() ? 0 : found->second;
}

bool VHotkeyTable::needsModifier(int key)
{
    if (key & (Qt::ALT | Qt::CTRL | Qt::META))
        return false;
    const int part = key & ~kModifierBits;
    return !(part >= Qt::Key_F1 && part <= Qt::Key_F35) && part != Qt::Key_Print &&
           part != Qt::Key_Pause;
}
