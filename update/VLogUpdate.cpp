// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VLogUpdate.h"

Q_LOGGING_CATEGORY(lcUpdate, "talvik.update", QtWarningMsg)
