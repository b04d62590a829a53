#include "VGripFactoryPolygon.h"

void VGripFactoryPolygon::createGrips(QList<VGrip*>& grips, const VGraphicsItem* pItem) const
{
    Q_UNUSED(grips);
    Q_UNUSED(pItem);
}
