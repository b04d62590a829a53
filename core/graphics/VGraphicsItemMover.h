// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>
#include <QPointF>

class QGraphicsSceneMouseEvent;
class QKeyEvent;
class VGraphicsLayer;
class VGraphicsScene;

// Moves the selected items of a layer: dragged by the body of one of them, or nudged with the
// arrow keys (one pixel, ten with Shift). A whole drag, like each key press, is one undo step.
class VGraphicsItemMover : public QObject
{
    Q_OBJECT

public:
    explicit VGraphicsItemMover(VGraphicsScene* pScene);

    // A left press that pLayer took: a drag starts when it landed on a selected item.
    void pressed(VGraphicsLayer* pLayer, const QGraphicsSceneMouseEvent* event);
    // True when the move went to the drag.
    bool moved(const QGraphicsSceneMouseEvent* event);
    void released();
    // True when the key moved the selection.
    bool nudge(const QKeyEvent* event);

    bool isDragging() const { return !m_pLayer.isNull(); }

private:
    void moveSelection(VGraphicsLayer* pLayer, const QPointF& delta);

    VGraphicsScene* m_pScene;
    QPointer<VGraphicsLayer> m_pLayer;
    QPointF m_last;
};
