// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VGraphicsView.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VCursor.h"
#include "VCanvas.h"

#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace {
QList<double>& levels()
{
    static QList<double> list;
    return list;
}
} // namespace

VGraphicsView::VGraphicsView(VCanvas* canvas)
    : QGraphicsView(canvas), m_pScene(std::make_unique<VGraphicsScene>())
{
    setViewportUpdateMode(QGraphicsView::BoundingRectViewportUpdate);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setMouseTracking(true);
    setFrameShape(QFrame::NoFrame);
    setCacheMode(QGraphicsView::CacheBackground);
    setInteractive(true);
    setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
    setScene(m_pScene.get());
    if (levels().isEmpty()) {
        for (int i = 1; i <= 50; ++i)
            levels().append(i * 0.2);
    }
}

VGraphicsView::~VGraphicsView()
{
    // The scene outlives nothing that shows it.
    setScene(nullptr);
}

VCanvas* VGraphicsView::canvas() const
{
    return static_cast<VCanvas*>(parentWidget());
}

const QList<double>& VGraphicsView::scaleLevels()
{
    return levels();
}

void VGraphicsView::setScale(double scale)
{
    const QList<double>& list = levels();
    QTransform t = QTransform::fromScale(1 / m_scale, 1 / m_scale) * transform();
    // The first level above scale; the pair below and above it brackets the request.
    qsizetype hi = std::upper_bound(list.begin(), list.end(), scale) - list.begin();
    hi = qBound<qsizetype>(1, hi, list.size() - 1);
    const qsizetype lo = hi - 1;
    const double level = scale - list[lo] < list[hi] - scale ? list[lo] : list[hi];
    t.scale(level, level);
    setTransform(t);
    m_scale = level;
}

void VGraphicsView::setExactScale(double scale)
{
    if (!(scale > 0))
        return;
    QTransform t = QTransform::fromScale(1 / m_scale, 1 / m_scale) * transform();
    t.scale(scale, scale);
    setTransform(t);
    m_scale = scale;
}

void VGraphicsView::replayMouseMoveEvent()
{
    const QPoint global = QCursor::pos();
    QMouseEvent move(QEvent::MouseMove, viewport()->mapFromGlobal(QPointF(global)), QPointF(global),
                     Qt::NoButton, m_heldButtons, Qt::NoModifier);
    mouseMoveEvent(&move);
}

void VGraphicsView::mousePressEvent(QMouseEvent* event)
{
    m_heldButtons = event->buttons();
    QGraphicsView::mousePressEvent(event);
}

void VGraphicsView::mouseReleaseEvent(QMouseEvent* event)
{
    m_heldButtons = event->buttons();
    QGraphicsView::mouseReleaseEvent(event);
}

void VGraphicsView::mouseMoveEvent(QMouseEvent* event)
{
    m_heldButtons = event->buttons();
    // A move from the window system proves the pointer is here, whatever enter and leave
    // events went missing; a replayed one proves nothing.
    if (event->spontaneous())
        m_pScene->cursor()->setPointerInside(true);
    if (!canvas()->onViewMouseMoveEvent(event))
        QGraphicsView::mouseMoveEvent(event);
}

void VGraphicsView::wheelEvent(QWheelEvent* event)
{
    if (!canvas()->onViewWheelEvent(event))
        QGraphicsView::wheelEvent(event);
}

bool VGraphicsView::viewportEvent(QEvent* event)
{
    if (event->type() == QEvent::Enter)
        m_pScene->cursor()->setPointerInside(true);
    else if (event->type() == QEvent::Leave)
        m_pScene->cursor()->setPointerInside(false);
    return QGraphicsView::viewportEvent(event);
}

QRegion VGraphicsView::coveredRegion() const
{
    const QWidget* area = viewport();
    QRegion covered;
    for (const QWidget* w = area; w && !w->isWindow() && w->parentWidget(); w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        const QObjectList& siblings = parent->children();
        // Siblings after it in the list are stacked above it.
        for (qsizetype i = siblings.indexOf(const_cast<QWidget*>(w)) + 1; i < siblings.size();
             ++i) {
            const auto* above = qobject_cast<const QWidget*>(siblings.at(i));
            if (!above || above->isWindow() || !above->isVisible())
                continue;
            const QRect r(area->mapFrom(parent, above->pos()), above->size());
            covered |= r & area->rect();
        }
    }
    return covered;
}

void VGraphicsView::resizeEvent(QResizeEvent* event)
{
    QGraphicsView::resizeEvent(event);
}
