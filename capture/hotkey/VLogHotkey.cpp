// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hotkey/VLogHotkey.h"

Q_LOGGING_CATEGORY(lcHotkey, "talvik.hotkey", QtWarningMsg)
