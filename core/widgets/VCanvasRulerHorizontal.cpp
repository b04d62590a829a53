// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCanvasRulerHorizontal.h"

VCanvasRulerHorizontal::VCanvasRulerHorizontal(VCanvas* canvas)
    : VCanvasRuler(canvas, Qt::Horizontal)
{
}

void VCanvasRulerHorizontal::setMarkerPosition(int position)
{
    moveMarker(position);
}
