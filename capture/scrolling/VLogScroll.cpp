// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "scrolling/VLogScroll.h"

Q_LOGGING_CATEGORY(lcScroll, "talvik.scroll", QtWarningMsg)
