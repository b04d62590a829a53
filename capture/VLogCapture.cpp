// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VLogCapture.h"

Q_LOGGING_CATEGORY(lcCapture, "talvik.capture", QtWarningMsg)
