// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// talvik.capture: the road of a capture, from the request to its end, and the exit of a
// command-line capture.
// Warnings only unless QT_LOGGING_RULES asks for more (README, "Diagnostics").
Q_DECLARE_LOGGING_CATEGORY(lcCapture)
