// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCaptureResources.h"

#include <QtGlobal>

static void registerCaptureResources()
{
    Q_INIT_RESOURCE(capture);
}

void initCaptureResources()
{
    static const bool registered = (registerCaptureResources(), true);
    Q_UNUSED(registered);
}
