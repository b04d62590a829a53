#pragma once

#include "VCreatePrompt.h"

class VGraphicsItemPen;

// Press, drag and release draws a freehand stroke through the pointer's path.
class TALVIKCORE_EXPORT VCreatePromptPen : public VCreatePrompt
{
    Q_OBJECT

public:
    VCreatePromptPen() = default;

    VGraphicsItemPen* sample();

protected:
    void onStart() override;
    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseRelease(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;
    VGraphicsItem* createSample() const override;
    virtual void showHelp();
};
