// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLoggingCategory>

// talvik.update: what the updater decided: versions compared, the download, its check and
// the installer's start.
// Warnings only unless QT_LOGGING_RULES asks for more (README, "Diagnostics").
Q_DECLARE_LOGGING_CATEGORY(lcUpdate)
