// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TalvikCoreExport.h"
#include "VGraphicsItemRectangle.h"

#include <QColor>

// The ellipse inscribed in a rectangle: same geometry, same grips, an optional solid fill.
class TALVIKCORE_EXPORT VGraphicsItemEllipse : public VGraphicsItemRectangle
{
    Q_OBJECT
    Q_PROPERTY(
        bool filled READ isFill WRITE setFilledByColor DESIGNABLE true SCRIPTABLE true STORED true)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor
                   DESIGNABLE true SCRIPTABLE true STORED true)

public:
    Q_INVOKABLE explicit VGraphicsItemEllipse(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemEllipse();
    ~VGraphicsItemEllipse() override;

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    QVector<QVector3D> snapPoints() override;
};
