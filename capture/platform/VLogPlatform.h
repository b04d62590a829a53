// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// talvik.platform: the platform backend chosen, why, and what it can do.
// Warnings only unless QT_LOGGING_RULES asks for more (README, "Diagnostics").
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)
