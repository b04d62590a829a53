#include "VGripFactoryImage.h"

void VGripFactoryImage::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    Q_UNUSED(grips);
    Q_UNUSED(pItem);
}

void VGripFactoryImage::gripMoved(VGrip* pGrip, VGraphicsItem* pItem)
{
    Q_UNUSED(pGrip);
    Q_UNUSED(pItem);
}
