// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsItemRectangle.h"

#include <QPainterPath>

// A captured area: a rectangle filled with its piece of the frozen screen. A picked window
// that is not rectangular keeps its own outline: nothing outside it is painted or hit.
class VGraphicsItemRectangleWindow : public VGraphicsItemRectangle
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit VGraphicsItemRectangleWindow(VGraphicsItem* parent);
    Q_INVOKABLE VGraphicsItemRectangleWindow();

    // The outline in item coordinates; an empty path means the whole rectangle.
    void setOutline(const QPainterPath& outline);
    const QPainterPath& outline() const { return m_outline; }

    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override;

protected:
    bool copy(const VGraphicsItem* other) override;

private:
    QPainterPath m_outline;
};
