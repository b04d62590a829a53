// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

// The values the property browser lets the user give an item property: what a picture can
// use, so that no typed number turns an item into nonsense.
struct VPropertyRange
{
    double minimum;
    double maximum;
    double singleStep;
    int decimals;

    // By the property's name, else a range for any coordinate.
    static VPropertyRange of(const QByteArray& name);
};
