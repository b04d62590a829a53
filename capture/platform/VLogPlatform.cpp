// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/VLogPlatform.h"

Q_LOGGING_CATEGORY(lcPlatform, "talvik.platform", QtWarningMsg)
