// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCursor.h"

#include "foundation/VPainterAntiScale.h"
#include "foundation/VRestorePainter.h"
#include "foundation/VUtility.h"
#include "graphics/VGraphicsScene.h"
#include "VCursorGraphicsCross.h"
#include "VGrip.h"
#include "widgets/VGraphicsView.h"

#include <QApplication>
#include <QFontMetrics>

VCursor::VCursor(VGraphicsScene* scene) : m_pScene(scene) {}

VCursor::~VCursor() = default;

void VCursor::repaint()
{
    if (!m_graphics.empty())
        m_pScene->invalidate(sceneBoundingRect(), QGraphicsScene::ForegroundLayer);
}

void VCursor::moveHotSpot(const QPointF& pos)
{
    repaint();
    setPos(pos);
    repaint();
}

void VCursor::setGraphics(VCursorGraphics* g, bool blankViewCursor)
{
    VGraphicsView* view = m_pScene->view();
    if (blankViewCursor && !m_bViewCursorBlanked && view) {
        m_bViewCursorBlanked = true;
        m_savedViewCursor = view->viewport()->cursor();
        view->viewport()->setCursor(Qt::BlankCursor);
    }
    repaint();
    m_graphics.emplace_back(g);
    if (view && !isBinded())
        setPos(view->mapToScene(view->viewport()->mapFromGlobal(QCursor::pos())));
    repaint();
}

void VCursor::unsetGraphics(bool restoreViewCursor)
{
    if (m_graphics.empty())
        return;
    repaint();
    m_graphics.pop_back();
    // The graphics underneath may reach beyond the one just popped.
    repaint();
    if (restoreViewCursor && m_bViewCursorBlanked) {
        m_bViewCursorBlanked = false;
        if (VGraphicsView* view = m_pScene->view())
            view->viewport()->setCursor(m_savedViewCursor);
    }
}

void VCursor::updateText(const QString& text)
{
    repaint();
    m_text = text;
    repaint();
}

void VCursor::setTextAlignment(QFlags<Qt::AlignmentFlag> alignment)
{
    if (m_graphics.empty())
        return;
    repaint();
    m_graphics.back()->setTextAlignment(alignment);
    repaint();
}

void VCursor::updateScenePos(const QPointF& pos)
{
    if (!m_graphics.empty() && !isBinded())
        moveHotSpot(pos);
}

void VCursor::bind(VGrip* grip)
{
    m_boundGrips.append(grip);
    auto* cross = new VCursorGraphicsCross;
    cross->setTextAlignment(Qt::AlignCenter);
    setGraphics(cross, false);
    moveHotSpot(grip->scenePos());
    if (VGraphicsView* view = m_pScene->view())
        QCursor::setPos(view->viewport()->mapToGlobal(view->mapFromScene(grip->scenePos())));
    connect(grip, &VGrip::moved, this, &VCursor::onBindingObjectMoved);
}

void VCursor::unbind(VGrip* grip)
{
    disconnect(grip, &VGrip::moved, this, &VCursor::onBindingObjectMoved);
    if (!m_boundGrips.isEmpty())
        m_boundGrips.removeLast();
    if (!m_graphics.empty()) {
        repaint();
        m_graphics.pop_back();
        repaint();
    }
}

void VCursor::onBindingObjectMoved(VGrip* grip, VGraphicsItem* item)
{
    Q_UNUSED(item);
    moveHotSpot(grip->scenePos());
}

void VCursor::setPointerInside(bool inside)
{
    if (inside == m_bPointerInside)
        return;
    repaint();
    m_bPointerInside = inside;
    repaint();
}

QRectF VCursor::boundingRect() const
{
    if (m_graphics.empty())
        return QRectF();
    QRectF r = m_graphics.back()->boundingRect();
    const double s = m_pScene->scale();
    if (!m_text.isEmpty()) {
        const QSizeF textSize = QFontMetrics(QApplication::font()).size(0, m_text);
        const QPointF hotSpot = pos() * s;
        const QRectF visible(m_pScene->visibleRect().topLeft() * s,
                             m_pScene->visibleRect().size() * s);
        m_textRect =
            placeText(visible, hotSpot, textSize).adjusted(-2, -2, 3, 3).translated(-hotSpot);
        r |= m_textRect;
    }
    return QRectF(r.topLeft() / s, r.size() / s);
}

QRectF VCursor::placeText(const QRectF& visible, const QPointF& hotSpot, const QSizeF& size) const
{
    const QRectF best = VUtility::calcBestPosition(visible, hotSpot, size, 5, 5, Qt::AlignLeft);
    const VGraphicsView* view = m_pScene->view();
    if (!view)
        return best;
    // The floating panels hide what lies under them; in the same pixels as visible.
    const QRegion covered = view->coveredRegion().translated(visible.topLeft().toPoint());
    if (!covered.intersects(best.toAlignedRect()))
        return best;
    // The same places in the same order, but free of the panels.
    for (const QPointF& offset :
         {QPointF(5, 5), QPointF(-5 - size.width(), 5), QPointF(5, -5 - size.height()),
          QPointF(-5 - size.width(), -5 - size.height())}) {
        const QRectF candidate(hotSpot + offset, size);
        if (visible.contains(candidate) && !covered.intersects(candidate.toAlignedRect()))
            return candidate;
    }
    return best;
}

QRectF VCursor::sceneBoundingRect() const
{
    return boundingRect().translated(pos());
}

void VCursor::paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget)
{
    Q_UNUSED(option);
    Q_UNUSED(widget);
    if (m_graphics.empty() || !m_bPointerInside)
        return;
    VRestorePainter restore(*painter);
    painter->translate(pos());
    VPainterAntiScale antiScale(*painter);
    VUtility::FixPainterAlias(painter);
    // The text box follows the visible area, which may have scrolled since the last repaint.
    boundingRect();
    m_graphics.back()->paint(painter, m_text, m_textRect);
}
