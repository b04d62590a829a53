// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "output/VLogOutput.h"

Q_LOGGING_CATEGORY(lcOutput, "talvik.output", QtWarningMsg)
