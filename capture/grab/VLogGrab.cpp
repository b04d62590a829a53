// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "grab/VLogGrab.h"

Q_LOGGING_CATEGORY(lcGrab, "talvik.grab", QtWarningMsg)
