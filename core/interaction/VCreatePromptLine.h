// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePrompt.h"

class VGraphicsItemLine;

// Press, drag and release draws a line; a right click drops the line being dragged.
class TALVIKCORE_EXPORT VCreatePromptLine : public VCreatePrompt
{
    Q_OBJECT

public:
    VCreatePromptLine() = default;

    VGraphicsItemLine* sample();

protected:
    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseRelease(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;
    VGraphicsItem* createSample() const override;
};
