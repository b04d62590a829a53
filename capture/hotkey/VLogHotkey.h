// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// talvik.hotkey: which hotkeys the desktop granted or refused.
// Warnings only unless QT_LOGGING_RULES asks for more (README, "Diagnostics").
Q_DECLARE_LOGGING_CATEGORY(lcHotkey)
