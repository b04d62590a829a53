// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VPropertyRange.h"

VPropertyRange VPropertyRange::of(const QByteArray& name)
{
    if (name == "opacity")
        return {0.0, 1.0, 0.05, 2};
    if (name == "rotation")
        return {-360.0, 360.0, 1.0, 1};
    // A scale below 1% leaves nothing to see or grab; 0 could never be undone.
    if (name == "scale")
        return {0.01, 100.0, 0.1, 2};
    if (name == "strokeWidth")
        return {0.0, 100.0, 1.0, 0};
    if (name == "cellSize")
        return {2.0, 200.0, 1.0, 0};
    if (name == "radius")
        return {4.0, 500.0, 1.0, 0};
    if (name == "number")
        return {0.0, 99999.0, 1.0, 0};
    return {-100000.0, 100000.0, 1.0, 2};
}
