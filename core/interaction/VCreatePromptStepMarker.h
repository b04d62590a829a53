#pragma once

#include "VCreatePrompt.h"

class VGraphicsItemStepMarker;

// A click places the next numbered step marker; dragging before the release moves it.
class TALVIKCORE_EXPORT VCreatePromptStepMarker : public VCreatePrompt
{
    Q_OBJECT

public:
    VCreatePromptStepMarker() = default;

    VGraphicsItemStepMarker* sample();

protected:
    void onStart() override;
    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseRelease(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;
    VGraphicsItem* createSample() const override;
};
