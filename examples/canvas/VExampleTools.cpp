// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VExampleTools.h"

#include "VExampleIcon.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VDrawingTool.h"
#include "widgets/VCanvas.h"
#include "widgets/VGraphicsView.h"
#include "widgets/VUndoButtons.h"
#include "widgets/VWidgetTools.h"

#include <QEvent>
#include <QIcon>
#include <QKeySequence>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

#include <functional>

VExampleTools::VExampleTools(VCanvas* canvas) : QObject(canvas), m_pCanvas(canvas)
{
    VWidgetTools* panel = canvas->creatWidgetTools();
    for (const VDrawingTool& tool : VDrawingTool::coreTools()) {
        const QIcon icon = inkedIcon(tool.icon);
        QToolButton* button =
            panel->addTool(icon, tool.translatedText(), nullptr, nullptr, tool.shortcut);
        connect(button, &QToolButton::clicked, this, [this, tool] { tool.start(m_pCanvas); });
    }
    panel->addTool(drawnIcon([](QPainter& p) {
                       p.drawLine(QPointF(5, 5), QPointF(15, 15));
                       p.drawLine(QPointF(15, 5), QPointF(5, 15));
                   }),
                   tr("Delete the selected items"), this, SLOT(deleteSelection()),
                   QKeySequence(QKeySequence::Delete));
    // A turning arrow, mirrored for redo.
    const auto turn = [](bool forward) {
        return drawnIcon([forward](QPainter& p) {
            if (forward)
                p.setTransform(QTransform(-1, 0, 0, 1, 20, 0));
            QPainterPath path(QPointF(15, 16));
            path.lineTo(15, 11);
            path.arcTo(QRectF(5, 5, 10, 12), 0, 90);
            path.lineTo(5, 5);
            p.drawPath(path);
            p.drawPolyline(QPolygonF({QPointF(8, 2), QPointF(5, 5), QPointF(8, 8)}));
        });
    };
    QToolButton* undo = panel->addTool(turn(false), tr("Undo"), nullptr, nullptr, {});
    QToolButton* redo = panel->addTool(turn(true), tr("Redo"), nullptr, nullptr, {});
    new VUndoButtons(canvas->scene()->history(), undo, redo, canvas);
    m_pPanel = panel;
    panel->show(true);
    canvas->view()->viewport()->installEventFilter(this);
}

bool VExampleTools::eventFilter(QObject* watched, QEvent* event)
{
    // Queued: the view places the page only after its viewport has heard of the new size.
    if (event->type() == QEvent::Resize)
        QMetaObject::invokeMethod(this, &VExampleTools::placeAbovePage, Qt::QueuedConnection);
    return QObject::eventFilter(watched, event);
}

void VExampleTools::placeAbovePage()
{
    // Above the page's left end when there is room, else in the view's corner.
    const QRectF page = m_pCanvas->scene()->sceneRect();
    const QPoint pageCorner = m_pCanvas->mapFromScene(page.topLeft());
    const QRect view = m_pCanvas->view()->geometry();
    const int gap = 6;
    const int top = pageCorner.y() - gap - m_pPanel->height();
    m_pPanel->move(qMax(view.left() + gap, pageCorner.x()), qMax(view.top() + gap, top));
}

void VExampleTools::deleteSelection()
{
    VGraphicsScene* scene = m_pCanvas->scene();
    // A copy: every removal changes the canvas's selection.
    const QList<VGraphicsItem*> selected = m_pCanvas->selection();
    for (VGraphicsItem* item : selected)
        scene->removePersistenItem(item);
}
