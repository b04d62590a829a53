// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QString>

// The operating system's log-on entry of the current user. One implementation per platform,
// chosen by the build.
namespace VAutoRun {

// The command the entry runs: the quoted program path and "/autorun".
TALVIKCORE_EXPORT QString command(const QString& programPath);

// Writes the entry when it is absent or differs (a disabled one is enabled again: only the
// user's own choice calls this), removes it when switched off.
// Failures of the store are ignored: the entry is a convenience, not data.
TALVIKCORE_EXPORT void apply(const QString& entryName, const QString& programPath, bool on);

// The entry as the desktop has it: the user may switch it off or delete it there.
enum class State
{
    Absent,
    Enabled,
    Disabled,
};
TALVIKCORE_EXPORT State state(const QString& entryName);

// Where the entry lives, for the user's eyes and for tests.
TALVIKCORE_EXPORT QString location(const QString& entryName);

} // namespace VAutoRun
