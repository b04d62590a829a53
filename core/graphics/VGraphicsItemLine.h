// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "data.pb.h"
#include "TalvikCoreExport.h"
#include "VGraphicsItem.h"

#include <QLineF>
#include <QVector3D>

// A straight line between two points.
class TALVIKCORE_EXPORT VGraphicsItemLine : public VGraphicsItem
{
    Q_OBJECT
    Q_PROPERTY(QVector3D start READ startPoint WRITE setStartPoint
                   DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(
        QVector3D end READ endPoint WRITE setEndPoint DESIGNABLE true SCRIPTABLE true STORED true)

public:
    Q_INVOKABLE explicit VGraphicsItemLine(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemLine();
    ~VGraphicsItemLine() override;

    QByteArray encodedMessages() const override;

    // Points in parent coordinates.
    void setStartPoint(const QVector3D& p);
    void setEndPoint(const QVector3D& p);
    void setLine(const QVector3D& start, const QVector3D& end);
    QVector3D startPoint() const;
    QVector3D endPoint() const;

    double length() const;

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    // Item coordinates.
    QLineF line() const;

    QVector<QVector3D> snapPoints() override;
    bool copy(const VGraphicsItem* other) override;

private:
    VFileFormat::GraphicsItemLine m_lineData;
};
