// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

#include <QVector3D>

class VGraphicsScene;

// A filled disc in the stroke colour with its step number in the middle. The number is its
// own: deleting another marker leaves it as it is.
class TALVIKCORE_EXPORT VGraphicsItemStepMarker : public VGraphicsItem
{
    Q_OBJECT
    Q_PROPERTY(int number READ number WRITE setNumber DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(qreal radius READ radius WRITE setRadius DESIGNABLE true SCRIPTABLE true STORED true)

public:
    Q_INVOKABLE explicit VGraphicsItemStepMarker(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemStepMarker();
    ~VGraphicsItemStepMarker() override;

    int number() const;
    void setNumber(int number);
    double radius() const;
    void setRadius(double radius);
    // In parent coordinates.
    void setPosition(const QVector3D& p);

    // One more than the highest number of the markers in the scene's layers, 1 for the first.
    static int nextNumber(const VGraphicsScene* scene);

    const VFileFormat::GraphicsItemStepMarker& message() const { return m_markerData; }
    void setMessage(const VFileFormat::GraphicsItemStepMarker& message);
    QByteArray encodedMessages() const override;

    QRectF boundary() override;
    QRectF paintedBoundary() override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    bool copy(const VGraphicsItem* other) override;

private:
    QRectF disc() const;
    // A thin light rim keeps the disc apart from a dark picture beneath it.
    double rimWidth() const { return qMax(1.5, radius() / 7); }

    VFileFormat::GraphicsItemStepMarker m_markerData;
};
