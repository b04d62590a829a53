// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VCanvas.h"

#include "graphics/VGraphicsItem.h"
#include "graphics/VGraphicsLayer.h"
#include "graphics/VGraphicsScene.h"
#include "VCanvasRulerHorizontal.h"
#include "VCanvasRulerVertical.h"
#include "VGraphicsView.h"
#include "VHelpBalloon.h"
#include "VWidgetQuickEditor.h"
#include "VWidgetTools.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <cmath>

VCanvas::VCanvas(QWidget* parent)
    : QWidget(parent)
    , m_pView(new VGraphicsView(this))
    , m_pRulerHorizontal(new VCanvasRulerHorizontal(this))
    , m_pRulerVertical(new VCanvasRulerVertical(this))
    , m_pQuickEditor(new VWidgetQuickEditor(this))
    , m_pBalloon(new VHelpBalloon(this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto* layout = new QGridLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pRulerHorizontal, 0, 1);
    layout->addWidget(m_pRulerVertical, 1, 0);
    layout->addWidget(m_pView, 1, 1);
    // The quick editor stays beside its item however the view moves the item on screen.
    for (QScrollBar* bar : {m_pView->horizontalScrollBar(), m_pView->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, m_pQuickEditor,
                &VWidgetQuickEditor::keepBesideItem);
    setCanvasSize(600, 500);
    VGraphicsScene* pScene = scene();
    connect(pScene, &VGraphicsScene::persistentSelectionChanged, this,
            &VCanvas::onPersistentSelectionChanged);
    connect(pScene, &VGraphicsScene::gripDragStarted, this, &VCanvas::onGripDragStarted);
    connect(pScene, &VGraphicsScene::gripDragEnded, this, &VCanvas::onGripDragEnded);
}

VCanvas::~VCanvas() = default;

VGraphicsScene* VCanvas::scene() const
{
    return m_pView->scene();
}

void VCanvas::setCanvasSize(int w, int h)
{
    scene()->setSize(w, h);
}

void VCanvas::setRulerVisible(bool visible)
{
    m_pRulerHorizontal->setVisible(visible);
    m_pRulerVertical->setVisible(visible);
}

bool VCanvas::isRulerVisible() const
{
    // Also right while the canvas itself is not shown yet.
    return m_pRulerHorizontal->isVisibleTo(this);
}

void VCanvas::showBalloon(const QString& title, const QString& text,
                          const QFlags<Qt::AlignmentFlag>& alignment)
{
    m_pBalloon->show(title, text, alignment);
}

VWidgetTools* VCanvas::creatWidgetTools()
{
    auto* tools = new VWidgetTools(this);
    m_toolWidgets.append(tools);
    return tools;
}

void VCanvas::onGripDragStarted()
{
    for (VWidgetTools* tools : std::as_const(m_toolWidgets))
        tools->hide(false);
    m_pQuickEditor->hide(false);
}

void VCanvas::onGripDragEnded()
{
    for (VWidgetTools* tools : std::as_const(m_toolWidgets))
        tools->show(true);
    m_pQuickEditor->updatePosition();
}

QPoint VCanvas::mapFromScene(const QPointF& point) const
{
    // The view maps into its viewport, which a frame or margins move inside the view.
    return m_pView->viewport()->mapTo(this, m_pView->mapFromScene(point));
}

bool VCanvas::onViewMouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    m_pRulerHorizontal->setMarkerPosition(p.x());
    m_pRulerVertical->setMarkerPosition(p.y());
    return false;
}

bool VCanvas::onViewWheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    // Halves go up: half a notch forward is a step, half a notch back is none.
    const int steps = int(std::floor(event->angleDelta().y() / 120.0 + 0.5));
    m_pView->setScale(m_pView->scale() + steps * 0.2);
    m_pQuickEditor->keepBesideItem();
    m_pRulerHorizontal->update();
    m_pRulerVertical->update();
    event->accept();
    return true;
}

void VCanvas::onPersistentSelectionChanged(const VGraphicsLayer* layer)
{
    const QList<VGraphicsItem*> selected = layer->selectedItems();
    // Unbound rather than only hidden: the end of a grip drag would bring it back beside an
    // item that is no longer the one selection.
    m_pQuickEditor->setItem(selected.size() == 1 ? selected.first() : nullptr);
    for (qsizetype i = m_selection.size() - 1; i >= 0; --i) {
        // An item just taken out of its layer reports no layer any more; it must go too,
        // or the list would keep it after its deletion.
        const VGraphicsLayer* itemLayer = m_selection.at(i)->layer();
        if (itemLayer == layer || !itemLayer) {
            disconnect(m_selection.at(i), &QObject::destroyed, &m_selectionWatch, nullptr);
            m_selection.removeAt(i);
        }
    }
    for (VGraphicsItem* pItem : selected) {
        connect(pItem, &QObject::destroyed, &m_selectionWatch, [this](QObject* pGone) {
            // Compared as objects: the item is no longer a whole VGraphicsItem.
            m_selection.removeIf([pGone](VGraphicsItem* pSelected) {
                return static_cast<QObject*>(pSelected) == pGone;
            });
        });
    }
    m_selection.append(selected);
    emit selectionChanged(m_selection);
}
