// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsItemChangeNotifier.h"
#include "graphics/VGraphicsItemCopy.h"

#include <QPainter>
#include <QPainterPath>

namespace TalvikTest {

// An item whose geometry is a plain rectangle, drawn as its outline with the item's pen and
// hit over its whole area; it counts what the change protocol tells it.
class ProbeItem : public VGraphicsItem
{
    Q_OBJECT

public:
    Q_INVOKABLE explicit ProbeItem(VGraphicsItem* parent) : VGraphicsItem(parent) {}
    Q_INVOKABLE ProbeItem() : VGraphicsItem(nullptr) {}

    void setRect(const QRectF& rect)
    {
        VGraphicsItemChangeNotifier notifier(this);
        m_rect = rect;
    }
    QRectF boundary() override { return m_rect; }
    QPainterPath shape() const override
    {
        QPainterPath path;
        path.addRect(m_rect);
        return path;
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
               QWidget* widget = nullptr) override
    {
        painter->save();
        VGraphicsItem::paint(painter, option, widget);
        painter->drawRect(m_rect);
        painter->restore();
    }

    using VGraphicsItem::snapPoints;
    using VGraphicsItem::suppressChangeNotification;
    using VGraphicsItem::unsuppressChangeNotification;

    int changes = 0;
    int presses = 0;
    int moves = 0;
    int releases = 0;

    bool copy(const VGraphicsItem* other) override
    {
        return copyItem<VGraphicsItem>(this, other, &ProbeItem::m_rect);
    }

protected:
    void onChanged() override { ++changes; }
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++presses;
        VGraphicsItem::mousePressEvent(event);
    }
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++moves;
        VGraphicsItem::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override
    {
        ++releases;
        VGraphicsItem::mouseReleaseEvent(event);
    }

private:
    QRectF m_rect;
};

// Same geometry, another class: copying between the two must fail.
class OtherProbeItem : public ProbeItem
{
    Q_OBJECT

public:
    Q_INVOKABLE OtherProbeItem() = default;
};

} // namespace TalvikTest
