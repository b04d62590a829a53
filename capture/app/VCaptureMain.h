// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program entry of TalvikCapture.
int captureMain(int argc, char* argv[]);
