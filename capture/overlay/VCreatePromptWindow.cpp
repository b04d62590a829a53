// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCreatePromptWindow.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VCursor.h"
#include "interaction/VCursorGraphicsCross.h"
#include "VGraphicsItemRectangleWindow.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"

#include <QBitmap>
#include <QCursor>
#include <QGraphicsSceneMouseEvent>
#include <QRegion>

#include <algorithm>

namespace {

// The shape of a window as a path over the picture, cut to the rectangle being picked.
QPainterPath outlineOf(const VWindowNode& node, const QPoint& pictureOrigin, const QRect& picked)
{
    if (node.shapeMask().isNull())
        return QPainterPath();
    QRegion region(node.shapeMask().mask());
    region.translate(node.rect().topLeft() - pictureOrigin);
    QPainterPath path;
    path.addRegion(region & picked);
    return path.simplified();
}

} // namespace

VGraphicsItemRectangleWindow* VCreatePromptWindow::sample()
{
    return static_cast<VGraphicsItemRectangleWindow*>(VCreatePrompt::sample());
}

VGraphicsItem* VCreatePromptWindow::createSample() const
{
    return new VGraphicsItemRectangleWindow;
}

void VCreatePromptWindow::onStart()
{
    VCreatePrompt::onStart();
    resetSample();
    sample()->setAreaPicture(m_screen);
    VCursor* cursor = scene()->cursor();
    cursor->setGraphics(new VCursorGraphicsCross, true);
    cursor->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    const VGraphicsView* view = scene()->view();
    highlightAt(view->mapToScene(view->viewport()->mapFromGlobal(QCursor::pos())));
    canvas()->showBalloon(tr("How To Select Window"),
                          tr("Move the mouse pointer over a window,<br>and Left Click to select "
                             "the region.<br>Right Click or press ESC to cancel."),
                          Qt::AlignRight | Qt::AlignTop);
}

void VCreatePromptWindow::highlightAt(const QPointF& scenePos)
{
    const QPoint origin = m_tree.rect().topLeft();
    const QPoint global = scenePos.toPoint() + origin;
    const auto [pNode, rect] = m_tree.findWindowAt(global);
    // Between windows (over the desktop itself) the last window stays picked.
    if (!pNode || pNode->kind() == VWindowNode::KindRoot)
        return;
    if (pNode == m_pHighlighted && rect == m_highlightedRect)
        return;
    m_pHighlighted = pNode;
    m_highlightedRect = rect;
    sample()->setBoundary(QRectF(rect));
    // The front-most top-level window there is the one holding pNode. Its shape is the one the
    // user sees, whatever part of it (client area, frame or inner window) is picked.
    const auto top = std::find_if(m_tree.children().begin(), m_tree.children().end(),
                                  [&global](const auto& p) { return p->rect().contains(global); });
    const VWindowNode& topLevel = top != m_tree.children().end() ? **top : *pNode;
    // Uniting a shape of many rectangles takes a while: each outline is made once.
    const auto key = std::make_tuple(pNode, rect.x(), rect.y(), rect.width(), rect.height());
    auto found = m_outlines.find(key);
    if (found == m_outlines.end())
        found = m_outlines.emplace(key, outlineOf(topLevel, origin, rect)).first;
    sample()->setOutline(found->second);
    // A toolkit's inner windows carry no names: the window the user sees is named by its
    // top-level window.
    const bool bNameless = pNode->title().isEmpty() && pNode->className().isEmpty();
    const VWindowNode* pNamed = bNameless ? &topLevel : pNode;
    scene()->cursor()->updateText(tr("Title: %1\nClass Name: %2\nSize: %3 x %4")
                                      .arg(pNamed->title(), pNamed->className())
                                      .arg(rect.width())
                                      .arg(rect.height()));
}

bool VCreatePromptWindow::mousePress(QGraphicsSceneMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // Nothing under the pointer yet (an empty desktop): there is nothing to pick.
        m_pickedPoint = event->scenePos().toPoint();
        if (m_pHighlighted)
            finish();
        return true;
    }
    if (event->button() == Qt::RightButton) {
        cancel();
        return true;
    }
    return VCreatePrompt::mousePress(event);
}

bool VCreatePromptWindow::mouseMove(QGraphicsSceneMouseEvent* event)
{
    highlightAt(event->scenePos());
    scene()->cursor()->updateScenePos(event->scenePos());
    VCreatePrompt::mouseMove(event);
    return false;
}

void VCreatePromptWindow::onStop()
{
    VCursor* cursor = scene()->cursor();
    cursor->updateText(QString());
    cursor->unsetGraphics(true);
    VCreatePrompt::onStop();
}
