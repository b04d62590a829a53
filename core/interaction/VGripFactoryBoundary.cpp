#include "VGripFactoryBoundary.h"

#include "graphics/VGraphicsItemRectangle.h"

void VGripFactoryBoundary::gripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    auto* rectangle = qobject_cast<VGraphicsItemRectangle*>(pItem);
    if (!pGrip || !rectangle)
        return;
    rectangle->setBoundary(getNewBoundary(pGrip, rectangle));
}
