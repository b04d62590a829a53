// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCanvasRulerVertical.h"

VCanvasRulerVertical::VCanvasRulerVertical(VCanvas* canvas) : VCanvasRuler(canvas, Qt::Vertical) {}

void VCanvasRulerVertical::setMarkerPosition(int position)
{
    moveMarker(position);
}
