// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "VExampleTools.h"

#include "VExampleIcon.h"

#include "graphics/VGraphicsScene.h"
#include "interaction/VCreatePromptEllipse.h"
#include "interaction/VCreatePromptHighlighter.h"
#include "interaction/VCreatePromptLine.h"
#include "interaction/VCreatePromptObfuscate.h"
#include "interaction/VCreatePromptPen.h"
#include "interaction/VCreatePromptPolygon.h"
#include "interaction/VCreatePromptPolyline.h"
#include "interaction/VCreatePromptRectangle.h"
#include "interaction/VCreatePromptStepMarker.h"
#include "interaction/VCreatePromptText.h"
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
    panel->addTool(drawnIcon([](QPainter& p) { p.drawLine(QPointF(4, 16), QPointF(16, 4)); }),
                   tr("Line"), this, SLOT(startLine()), QKeySequence(Qt::Key_L));
    panel->addTool(drawnIcon([](QPainter& p) {
                       p.drawPolyline(QPolygonF(
                           {QPointF(3, 15), QPointF(8, 5), QPointF(12, 13), QPointF(17, 4)}));
                   }),
                   tr("Polyline"), this, SLOT(startPolyline()), QKeySequence(Qt::Key_P));
    panel->addTool(drawnIcon([](QPainter& p) {
                       p.drawPolygon(QPolygonF({QPointF(10, 3), QPointF(17, 8), QPointF(14, 17),
                                                QPointF(6, 17), QPointF(3, 8)}));
                   }),
                   tr("Polygon"), this, SLOT(startPolygon()), QKeySequence(Qt::Key_G));
    panel->addTool(drawnIcon([](QPainter& p) { p.drawRect(QRectF(3.5, 5.5, 13, 9)); }),
                   tr("Rectangle"), this, SLOT(startRectangle()), QKeySequence(Qt::Key_R));
    panel->addTool(drawnIcon([](QPainter& p) {
                       QFont font = p.font();
                       font.setPixelSize(15);
                       font.setBold(true);
                       p.setFont(font);
                       p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, QStringLiteral("T"));
                   }),
                   tr("Text"), this, SLOT(startText()), QKeySequence(Qt::Key_T));
    panel->addTool(drawnIcon([](QPainter& p) { p.drawEllipse(QRectF(3.5, 5.5, 13, 9)); }),
                   tr("Ellipse"), this, SLOT(startEllipse()), QKeySequence(Qt::Key_E));
    panel->addTool(drawnIcon([](QPainter& p) {
                       QPainterPath stroke(QPointF(3, 15));
                       stroke.cubicTo(QPointF(6, 4), QPointF(11, 18), QPointF(17, 5));
                       p.drawPath(stroke);
                   }),
                   tr("Pen"), this, SLOT(startPen()), QKeySequence(Qt::Key_F));
    panel->addTool(drawnIcon([](QPainter& p) {
                       p.fillRect(QRectF(2, 8, 16, 6), QColor(255, 214, 0, 200));
                       p.drawLine(QPointF(4, 11), QPointF(16, 11));
                   }),
                   tr("Highlighter"), this, SLOT(startHighlighter()), QKeySequence(Qt::Key_H));
    panel->addTool(drawnIcon([](QPainter& p) {
                       for (int i = 0; i < 9; ++i)
                           p.fillRect(QRectF(4 + 4 * (i % 3), 4 + 4 * (i / 3), 4, 4),
                                      QColor::fromHsv(210, 40, 90 + 60 * ((i * 5) % 3)));
                   }),
                   tr("Obfuscate"), this, SLOT(startObfuscate()), QKeySequence(Qt::Key_O));
    panel->addTool(drawnIcon([](QPainter& p) {
                       p.setBrush(p.pen().color());
                       p.drawEllipse(QRectF(3, 3, 14, 14));
                       QFont font = p.font();
                       font.setPixelSize(10);
                       font.setBold(true);
                       p.setFont(font);
                       p.setPen(Qt::white);
                       p.drawText(QRectF(3, 3, 14, 14), Qt::AlignCenter, QStringLiteral("1"));
                   }),
                   tr("Step marker"), this, SLOT(startStepMarker()), QKeySequence(Qt::Key_N));
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

void VExampleTools::startLine()
{
    (new VCreatePromptLine)->start(m_pCanvas);
}

void VExampleTools::startPolyline()
{
    (new VCreatePromptPolyline)->start(m_pCanvas);
}

void VExampleTools::startPolygon()
{
    (new VCreatePromptPolygon)->start(m_pCanvas);
}

void VExampleTools::startRectangle()
{
    (new VCreatePromptRectangle)->start(m_pCanvas);
}

void VExampleTools::startText()
{
    (new VCreatePromptText)->start(m_pCanvas);
}

void VExampleTools::startEllipse()
{
    (new VCreatePromptEllipse)->start(m_pCanvas);
}

void VExampleTools::startPen()
{
    (new VCreatePromptPen)->start(m_pCanvas);
}

void VExampleTools::startHighlighter()
{
    (new VCreatePromptHighlighter)->start(m_pCanvas);
}

void VExampleTools::startObfuscate()
{
    (new VCreatePromptObfuscate)->start(m_pCanvas);
}

void VExampleTools::startStepMarker()
{
    (new VCreatePromptStepMarker)->start(m_pCanvas);
}
