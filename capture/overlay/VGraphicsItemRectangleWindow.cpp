// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsItemRectangleWindow.h"

#include "foundation/VRestorePainter.h"
#include "graphics/VGraphicsItemCopy.h"

#include <QPainter>

VGraphicsItemRectangleWindow::VGraphicsItemRectangleWindow(VGraphicsItem* parent)
    : VGraphicsItemRectangle(parent)
{
}

VGraphicsItemRectangleWindow::VGraphicsItemRectangleWindow() = default;

void VGraphicsItemRectangleWindow::setOutline(const QPainterPath& outline)
{
    notifyWillChange();
    prepareGeometryChange();
    m_outline = outline;
    notifyHasChanged();
}

QPainterPath VGraphicsItemRectangleWindow::shape() const
{
    return m_outline.isEmpty() ? VGraphicsItemRectangle::shape() : m_outline;
}

void VGraphicsItemRectangleWindow::paint(QPainter* painter, const QStyleOptionGraphicsItem* option,
                                         QWidget* widget)
{
    if (m_outline.isEmpty()) {
        VGraphicsItemRectangle::paint(painter, option, widget);
        return;
    }
    VRestorePainter restore(*painter);
    VGraphicsItem::paint(painter, option, widget);
    // The window's own outline is its border; its fill is clipped to it.
    paintArea(painter, m_outline);
}

bool VGraphicsItemRectangleWindow::copy(const VGraphicsItem* other)
{
    return copyItem<VGraphicsItemRectangle>(this, other, &VGraphicsItemRectangleWindow::m_outline);
}
