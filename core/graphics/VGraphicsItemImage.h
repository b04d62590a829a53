// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

#include <QPainterPath>
#include <QPixmap>

// A picture with its top-left corner at the item's origin, hit only where it is opaque.
class TALVIKCORE_EXPORT VGraphicsItemImage : public VGraphicsItem
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit VGraphicsItemImage(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemImage();
    ~VGraphicsItemImage() override;

    QByteArray encodedMessages() const override;

    void setImage(const QPixmap& pixmap);

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    QVector<QVector3D> snapPoints() override;
    bool copy(const VGraphicsItem* other) override;

private:
    VFileFormat::Image m_imageData;
    QPixmap m_pixmap;
    QPainterPath m_hitPath;
};
