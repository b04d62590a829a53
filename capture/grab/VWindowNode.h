// SPDX-FileCopyrightText: 2026 Talvik Capture contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class VPlatformBackend;

struct VPlatformWindow;

// One window of the frozen screen, with the visible windows inside it, front-most first. All
// rectangles are in global device pixels of the desktop, so that the tree of a screen lines up
// with that screen's picture pixel for pixel whatever the scale factor.
class VWindowNode
{
public:
    enum Kind
    {
        KindRoot = 0,
        KindTopLevel = 1,
        KindChild = 2,
    };

    VWindowNode();
    VWindowNode(const VWindowNode& other); // deep: every child is copied
    VWindowNode& operator=(const VWindowNode& other);
    VWindowNode(VWindowNode&& other) noexcept;
    VWindowNode& operator=(VWindowNode&& other) noexcept;
    ~VWindowNode();

    std::uintptr_t handle() const { return m_hwnd; }
    QRect rect() const { return m_rect; }
    QRect clientRect() const { return m_clientRect; }
    QString title() const { return m_title; }
    QString className() const { return m_className; }
    QPoint origin() const { return m_origin; }
    int kind() const { return m_kind; }
    // For a shaped top-level window: rect's size, opaque black inside the shape, transparent
    // outside; null otherwise.
    QPixmap shapeMask() const { return m_shapeMask; }
    const std::vector<std::unique_ptr<VWindowNode>>& children() const { return m_children; }
    bool isInClientArea() const { return m_bInClientArea; }

    // Clips a copy of node to this node's rectangle and appends it, unless nothing is left.
    void addChild(const VWindowNode& node);

    // The front-most window at a global point and the rectangle to pick for it: the client
    // area when the point is in it, else the whole window. On the root the rectangle is
    // relative to the grabbed picture. (nullptr, empty) outside this node.
    std::pair<VWindowNode*, QRect> findWindowAt(const QPoint& globalPoint);

    // The tree of a screen (or of several side by side) from the desktop's plain description.
    // workAreas are the monitors' work areas: a window keeps only what lies in them (a
    // maximised one only what lies in its own).
    static VWindowNode fromWindows(const std::vector<VPlatformWindow>& windows,
                                   const QRect& screenRect, const QList<QRect>& workAreas);

private:
    friend class VWindowNodeBuilder;

    std::uintptr_t m_hwnd = 0;
    QRect m_rect;
    QRect m_clientRect;
    QString m_title;
    QString m_className;
    QPoint m_origin;
    int m_kind = KindChild;
    QPixmap m_shapeMask;
    std::vector<std::unique_ptr<VWindowNode>> m_children;
    bool m_bInClientArea = false;
};

// Why window captures cannot be had on this desktop, or empty where they can.
QString windowTreeUnavailableText();

// The live tree of the screens at screenRect (global device pixels), asked of the desktop once.
VWindowNode buildWindowTree(const QRect& screenRect);

// Paints the pointer into picture, whose top-left lies at pictureOrigin (global device pixels).
void drawCursor(QImage& picture, const QPoint& pictureOrigin);
// The same with the pointer of the given desktop.
void drawCursor(QImage& picture, const QPoint& pictureOrigin, VPlatformBackend& backend);
