// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

#include <QRectF>
#include <QVector3D>

// An axis-aligned rectangle in item coordinates. Its dimension may be negative, so the second
// corner may lie on any side of the first.
class TALVIKCORE_EXPORT VGraphicsItemRectangle : public VGraphicsItem
{
    Q_OBJECT
    Q_PROPERTY(qreal width READ width WRITE setWidth DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(qreal height READ height WRITE setHeight DESIGNABLE true SCRIPTABLE true STORED true)
    // Its subclasses' copy() calls this one's through VGraphicsItem::copyItem.
    friend class VGraphicsItem;

public:
    Q_INVOKABLE explicit VGraphicsItemRectangle(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemRectangle();
    ~VGraphicsItemRectangle() override;

    QByteArray encodedMessages() const override;

    // Corners in parent coordinates.
    void setPoint1(const QVector3D& p);
    void setPoint2(const QVector3D& p);
    // Item coordinates.
    void setBoundary(const QRectF& r);
    // Normalized, item coordinates.
    QRectF rectangle() const;

    // The signed dimension as the parent sees it: scaled and rotated, not moved.
    double width() const;
    double height() const;
    void setWidth(double w);
    void setHeight(double h);

    QRectF boundary() override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    QVector<QVector3D> snapPoints() override;
    bool copy(const VGraphicsItem* other) override;

private:
    VFileFormat::GraphicsItemRectangle m_rectData;
};
