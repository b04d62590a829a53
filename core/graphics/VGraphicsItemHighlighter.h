// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VGraphicsItemPen.h"

// A wide marker stroke. It multiplies with what lies under it, like ink on paper: dark text and
// strokes beneath stay as dark and sharp as they were, and only the light paper takes its colour,
// whichever of them was drawn first.
class TALVIKCORE_EXPORT VGraphicsItemHighlighter : public VGraphicsItemPen
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit VGraphicsItemHighlighter(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemHighlighter();
    ~VGraphicsItemHighlighter() override;

protected:
    void preparePainter(QPainter* painter) const override;
};
