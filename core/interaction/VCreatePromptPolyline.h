// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "VCreatePrompt.h"

#include <memory>

class VGraphicsItemLine;
class VGraphicsItemPolyline;

// Each click adds a point, a rubber band runs to the pointer; a right click, a double click or
// the keypad Enter finishes.
class TALVIKCORE_EXPORT VCreatePromptPolyline : public VCreatePrompt
{
    Q_OBJECT

public:
    VCreatePromptPolyline();
    ~VCreatePromptPolyline() override;

    VGraphicsItemPolyline* sample();

protected:
    void onStart() override;
    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseRelease(QGraphicsSceneMouseEvent* event) override;
    bool mouseDoubleClick(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;
    bool keyRelease(QKeyEvent* event) override;
    VGraphicsItem* createSample() const override;
    void onStop() override;

private:
    std::unique_ptr<VGraphicsItemLine> m_pRubberBand;
};
