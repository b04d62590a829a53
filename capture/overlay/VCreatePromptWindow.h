// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "grab/VWindowNode.h"
#include "interaction/VCreatePrompt.h"

#include <QPainterPath>
#include <QPixmap>
#include <QRect>

#include <map>
#include <tuple>

class VGraphicsItemRectangleWindow;

// Picks a window of the frozen screen with one click: the window under the pointer is shown
// bright, cut to its shape, with its title, class and size beside the pointer. Hovering asks
// only the window tree taken with the picture, never the desktop.
class VCreatePromptWindow : public VCreatePrompt
{
    Q_OBJECT

public:
    VCreatePromptWindow() = default;

    void setScreen(const QPixmap& screen) { m_screen = screen; }
    // The tree of the grabbed screen; its root's rectangle is the picture's place on the desktop.
    void setWindowTree(const VWindowNode& tree) { m_tree = tree; }

    VGraphicsItemRectangleWindow* sample();
    QRect highlightedRect() const { return m_highlightedRect; }
    // Where the window was clicked, in the picture's pixels.
    QPoint pickedPoint() const { return m_pickedPoint; }

protected:
    void onStart() override;
    bool mousePress(QGraphicsSceneMouseEvent* event) override;
    bool mouseMove(QGraphicsSceneMouseEvent* event) override;
    VGraphicsItem* createSample() const override;
    void onStop() override;

private:
    // scenePos is in the picture's pixels.
    void highlightAt(const QPointF& scenePos);

    QPixmap m_screen;
    VWindowNode m_tree;
    const VWindowNode* m_pHighlighted = nullptr;
    QRect m_highlightedRect;
    QPoint m_pickedPoint;
    // By window and picked rectangle.
    std::map<std::tuple<const VWindowNode*, int, int, int, int>, QPainterPath> m_outlines;
};
