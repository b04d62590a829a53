#include "VCreatePromptArrow.h"

#include "VGraphicsItemArrow.h"

VGraphicsItem* VCreatePromptArrow::createSample() const
{
    return new VGraphicsItemArrow;
}
