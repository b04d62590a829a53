// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Registers the application's pictures; they live in a static library, where nothing else
// would pull them in. Safe to call more than once.
void initCaptureResources();
