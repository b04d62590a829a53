// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

// Whether this build has an updater: builds for a distribution leave it out.
bool hasUpdater();
// Beside the capture program in the build tree and on Windows, in the helper folder once
// installed.
QString updaterProgram();
// Product key, display name, update description address, running version.
QStringList updaterArguments();

// Starts the updater detached when there is one and automatic updates are on; a missing
// updater is not an error.
void startUpdater();
