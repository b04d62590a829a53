// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/VCaptureMain.h"

int main(int argc, char* argv[])
{
    return captureMain(argc, argv);
}
