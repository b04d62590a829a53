#include "VGraphicsBackgroundColor.h"

#include "interaction/VRestorePenBrush.h"

void VGraphicsBackgroundColor::paint(QPainter* painter, const QRectF& rect)
{
    VRestorePenBrush restore(*painter);
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_color);
    painter->drawRect(rect);
}
