// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

#include <QPainterPath>
#include <QPointF>
#include <QVector3D>
#include <QVector>

// A freehand stroke: a smooth curve through the dragged points. Points that add nothing visible
// are dropped while the stroke is drawn, and the curve grows by a fixed amount of work per
// point, so a long stroke stays light to draw and to store.
class TALVIKCORE_EXPORT VGraphicsItemPen : public VGraphicsItem
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit VGraphicsItemPen(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemPen();
    ~VGraphicsItemPen() override;

    // A point in parent coordinates, the next one the pointer passed through.
    void addPoint(const QVector3D& p);
    // The points kept after simplification, in parent coordinates.
    int pointCount() const;
    QVector<QVector3D> points() const;

    const VFileFormat::GraphicsItemPen& message() const { return m_penData; }
    void setMessage(const VFileFormat::GraphicsItemPen& message);
    QByteArray encodedMessages() const override;

    QRectF boundary() override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    QVector<QVector3D> snapPoints() override;
    bool copy(const VGraphicsItem* other) override;
    // A new stroke width changes the hit area.
    void onChanged() override;
    // Sets the pen that paint() strokes with; the highlighter draws differently.
    virtual void preparePainter(QPainter* painter) const;

private:
    void rebuildPath();
    void appendSegment(const QPointF& p);
    void moveLastPoint(const QPointF& p);

    VFileFormat::GraphicsItemPen m_penData;
    // Curve through the midpoints of the kept points, each segment a cubic so that the open end
    // can be bent in place when the next point arrives.
    QPainterPath m_path;
    QRectF m_bounds;
    // Raw points merged into the last kept one, checked again when it moves on.
    QVector<QPointF> m_merged;
    mutable QPainterPath m_hitPath;
    mutable bool m_bHitPathValid = false;
};
