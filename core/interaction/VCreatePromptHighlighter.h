#pragma once

#include "VCreatePromptPen.h"

// The freehand tool with a wide marker stroke.
class TALVIKCORE_EXPORT VCreatePromptHighlighter : public VCreatePromptPen
{
    Q_OBJECT

public:
    VCreatePromptHighlighter() = default;

protected:
    VGraphicsItem* createSample() const override;
    void showHelp() override;
};
