// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

#include <QPainterPath>
#include <QVector3D>
#include <QVector>

// A chain of segments through points kept in item coordinates. Its drawing and hit paths are
// cached: rebuilt when a point is added or moved, and after every change of a persistent
// polyline.
class TALVIKCORE_EXPORT VGraphicsItemPolyline : public VGraphicsItem
{
    Q_OBJECT
    friend class VGraphicsItemPolygon;

public:
    Q_INVOKABLE explicit VGraphicsItemPolyline(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemPolyline();
    ~VGraphicsItemPolyline() override;

    QByteArray encodedMessages() const override;

    // Points in parent coordinates.
    void addPoint(const QVector3D& p);
    // Ignored for an index outside 0 ... pointCount() - 1.
    void setPoint(int i, const QVector3D& p);
    int pointCount() const;
    // i must be valid.
    QVector3D pointAt(int i) const;
    QVector<QVector3D> points() const;

    void close();
    bool isClosed() const;

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    QVector<QVector3D> snapPoints() override;
    bool copy(const VGraphicsItem* other) override;
    // A new stroke width or fill changes the hit path.
    void onChanged() override;

private:
    virtual void updateCache();

    QPainterPath m_drawingPath;
    QPainterPath m_hitPath;
    VFileFormat::GraphicsItemPolyline m_polylineData;
};
