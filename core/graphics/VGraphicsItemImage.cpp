// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemImage.h"

#include "foundation/VRestorePainter.h"
#include "foundation/VUtility.h"
#include "VGraphicsItemChangeNotifier.h"
#include "VGraphicsItemCopy.h"

#include <QGraphicsPixmapItem>
#include <QImage>
#include <QPainter>

VGraphicsItemImage::VGraphicsItemImage(VGraphicsItem* parent) : VGraphicsItem(parent) {}

VGraphicsItemImage::VGraphicsItemImage() : VGraphicsItemImage(nullptr) {}

VGraphicsItemImage::~VGraphicsItemImage() = default;

void VGraphicsItemImage::setImage(const QPixmap& pixmap)
{
    VGraphicsItemChangeNotifier notifier(this);
    m_pixmap = pixmap;
    const QImage image = pixmap.toImage();
    m_imageData.set_width(image.width());
    m_imageData.set_height(image.height());
    m_imageData.set_format(int(image.format()));
    if (image.isNull())
        m_imageData.clear_data();
    else
        m_imageData.set_data(reinterpret_cast<const char*>(image.constBits()),
                             size_t(image.sizeInBytes()));
    // The opaque part, or the whole rectangle for a picture without transparency.
    m_hitPath = QGraphicsPixmapItem(pixmap).shape();
}

QPainterPath VGraphicsItemImage::shape() const
{
    return m_hitPath;
}

void VGraphicsItemImage::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                               QWidget* widget)
{
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    painter->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter->drawPixmap(0, 0, m_pixmap);
}

QVector<QVector3D> VGraphicsItemImage::snapPoints()
{
    const QRectF r = boundary();
    return QVector<QVector3D>{QVector3D(r.center())} + VUtility::corners(r) +
           VUtility::midPoints(r);
}

bool VGraphicsItemImage::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItem>(this, other, &VGraphicsItemImage::m_imageData,
                                   &VGraphicsItemImage::m_pixmap, &VGraphicsItemImage::m_hitPath);
}

QByteArray VGraphicsItemImage::encodedMessages() const
{
    return VGraphicsItem::encodedMessages() + encoded(m_imageData);
}
