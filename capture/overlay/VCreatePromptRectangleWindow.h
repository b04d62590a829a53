#pragma once

#include "interaction/VCreatePromptRectangle.h"

// The rectangle tool picking a captured area of the frozen screen.
class VCreatePromptRectangleWindow : public VCreatePromptRectangle
{
    Q_OBJECT

public:
    VCreatePromptRectangleWindow() = default;

protected:
    VGraphicsItem* createSample() const override;
};
