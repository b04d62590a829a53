// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "grab/VScreenGrab.h"
#include "output/VDelivery.h"

class QWidget;

// What follows the grab of a capture: the output chooser for a full screen; the overlay on the
// frozen screen, with its window tree, for a region, a window or a window to scroll. Takes the
// grab by value: moved in, its picture is painted on and handed on without a copy. Says where
// the capture went.
VDelivery runCaptureFollowUp(QWidget* pParent, int mode, VScreenGrab grab);
