// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QTransform>

class QPainter;

// Undoes the painter's scale while it lives, keeping rotation and translation, so that one unit
// drawn is one device pixel at any zoom.
class TALVIKCORE_EXPORT VPainterAntiScale
{
public:
    explicit VPainterAntiScale(QPainter& painter);
    ~VPainterAntiScale();

    VPainterAntiScale(const VPainterAntiScale&) = delete;
    VPainterAntiScale& operator=(const VPainterAntiScale&) = delete;

private:
    QPainter& m_painter;
    QTransform m_transform;
};
