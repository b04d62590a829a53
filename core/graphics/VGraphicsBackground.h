// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"

#include <QRectF>

class QPainter;

// What a scene draws under its document.
class TALVIKCORE_EXPORT VGraphicsBackground
{
public:
    virtual ~VGraphicsBackground() = default;
    virtual void paint(QPainter* painter, const QRectF& rect) = 0;

protected:
    VGraphicsBackground() = default;
    VGraphicsBackground(const VGraphicsBackground&) = default;
    VGraphicsBackground& operator=(const VGraphicsBackground&) = default;
};
