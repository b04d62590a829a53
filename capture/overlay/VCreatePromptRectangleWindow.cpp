#include "VCreatePromptRectangleWindow.h"

#include "VGraphicsItemRectangleWindow.h"

VGraphicsItem* VCreatePromptRectangleWindow::createSample() const
{
    return new VGraphicsItemRectangleWindow;
}
